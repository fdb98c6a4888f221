#pragma once
// The workbook's own errors, each with its whole message.
#include "core/file_errors.h"

namespace beditor::roster {

class WorkbookWriteError : public BEditorError {
 public:
  using BEditorError::BEditorError;
};

// Not a workbook, a damaged one, or one far larger than a roster.
class WorkbookReadError : public BEditorError {
 public:
  using BEditorError::BEditorError;
};

}  // namespace beditor::roster
