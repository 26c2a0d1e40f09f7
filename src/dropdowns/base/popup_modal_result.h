#pragma once
// What a button on a popup's footer tells the popup form: the modal result of
// the button that closed it. The popup form implements it; the buttons find
// it among their parents.
class IPopupModalResult {
 public:
  virtual ~IPopupModalResult() = default;
  virtual void SetModalResult(int Value) = 0;
};

// The modal results a footer button can carry.
enum TModalResult {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
  mrClose = 8,
  mrHelp = 9,
  mrTryAgain = 10,
  mrContinue = 11,
  mrAll = 12,
  mrNoToAll = 13,
  mrYesToAll = 14,
};
