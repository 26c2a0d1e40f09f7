#pragma once

// Horizontal alignment of a caption or cell text.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
