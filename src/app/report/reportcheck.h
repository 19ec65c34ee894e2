#pragma once

#include "reportlayout.h"

#include <QString>

// Checks a template against the data and variables a window bound to it,
// before anything is laid out: every expression reads, every dataset block
// has its data, every field exists in a dataset it can come from, every
// variable is set. Returns the first problem as
// "<template> baris <n>: <what>" (without a line for layouts built in
// code), or an empty text.
QString checkReport(const ReportInput &input);
