#pragma once
// The column-states string: a grid's column layout in one line,
//
//   N#w0,w1,...#o0,o1,...#v0,v1,...
//
// four fields separated by "#", lists separated by ",", decimal integers
// without blanks:
//   N      the number of columns, visible and hidden together (1 .. 512);
//   widths N widths, display column 0 upwards;
//   order  empty, or N entries: entry i is the initial index of the column now
//          at position i (a permutation of 0 .. N - 1);
//   vis    N entries, "0" for a hidden real column, anything else shown.
// Example: three columns 64, 80 and 100 wide in their first order:
// "3#64,80,100#0,1,2#1,1,1".
#include <QString>
#include <stdexcept>
#include <vector>

class Column_States_Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Column_States {
  static constexpr int Max_Columns = 512;
  int Count = 0;
  std::vector<int> Widths;
  std::vector<int> Order;  // empty: the first order
  std::vector<bool> Visible;
};

// Reads the whole string before anything is applied: numbers that are not
// decimal, too few entries, an order that is not a permutation, a count
// outside 1 .. 512 or a width outside 0 .. 32767 throw Column_States_Error.
// Entries past N are ignored.
Column_States Parse_Column_States(const QString& text);
QString Format_Column_States(const Column_States& states);

// Whether the entries are each of 0 .. size - 1 exactly once.
bool Is_Permutation(const std::vector<int>& order);
// Q with Q[P[i]] = i; P must be a permutation.
std::vector<int> Inverse_Order(const std::vector<int>& order);
