#pragma once
// Where a caption sits beside the picture of an item or a key.
enum TItemLayout { ilCaptionLeft = 0, ilCaptionRight = 1, ilCaptionTop = 2, ilCaptionBottom = 3 };

// What an item selector shows beside the caption: a picture or a colour box.
enum TSelectorType { stImage = 0, stColor = 1 };
