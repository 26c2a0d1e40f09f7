#pragma once
// A setting that only stores: reader Name(), writer SetName(), field FName
// with its default.
#define STORED_SETTING(Type, Name, Default)       \
 public:                                          \
  Type Name() const { return F##Name; }           \
  void Set##Name(Type Value) { F##Name = Value; } \
                                                  \
 private:                                         \
  Type F##Name = Default;
