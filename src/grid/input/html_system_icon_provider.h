#pragma once
// Serves the mini-HTML renderer's system icons ("SSYS:" small, "LSYS:"
// large) from the platform: a path gives the icon of its file or folder kind
// (a path that does not exist, the icon its name suggests), a number one of
// the style's standard icons. Needs a QApplication; installed by every grid.
void InstallHtmlSystemIcons();
