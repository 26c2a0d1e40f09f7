#pragma once
#include <QString>
#include <functional>
#include <optional>
#include <string>

// Runs `body` in a forked child that has mounted a tmpfs of `kilobytes` on
// `folder` in a mount namespace of its own (a user namespace too when not
// root), so a test meets a real full disk and the machine sees no mount.
// Returns what `body` returned, or nullopt with `why_not` when no tmpfs could
// be mounted here. `body` runs in the child only: it reports through its text.
std::optional<std::string> Run_On_Small_Tmpfs(const QString& folder, int kilobytes,
                                              const std::function<std::string()>& body, std::string& why_not);
