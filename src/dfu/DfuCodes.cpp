#include "dfu/DfuCodes.h"

#include <cstdio>

namespace ostrel {

std::string dfuErrorCodeText(uint32_t code) {
  switch (code) {
    case kDfuSuccess: return "Error Code: no error (!)\n";
    case kDfuThreadProblem: return "Error Code: Unable to launch operation (Thread problem)\n";
    case kDfuAlreadyRunning: return "Error Code: DFU already running\n";
    case kDfuBadParameter: return "Error Code: Bad parameter\n";
    case kDfuBadStateMachine: return "Error Code: Bad state machine in firmware\n";
    case kDfuUnexpected: return "Error Code: Unexpected error\n";
    case kDfuError: return "Error Code: DFU error\n";
    case kDfuRetryError: return "Error Code: Retry error\n";
    default: break;
  }
  char text[64];
  std::snprintf(text, sizeof text, "Error Code: Unknown error 0x%08X. \n", static_cast<unsigned>(code));
  return text;
}

}  // namespace ostrel
