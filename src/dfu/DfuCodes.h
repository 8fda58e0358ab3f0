#pragma once
// Result codes of the DFU layer. Every layer call returns one of these; only
// kDfuSuccess means success.

#include <cstdint>
#include <string>

namespace ostrel {

inline constexpr uint32_t kDfuSuccess = 0x12340000;
inline constexpr uint32_t kDfuThreadProblem = 0x12345001;
inline constexpr uint32_t kDfuAlreadyRunning = 0x12345007;
inline constexpr uint32_t kDfuBadParameter = 0x12345008;
inline constexpr uint32_t kDfuBadStateMachine = 0x12345009;
inline constexpr uint32_t kDfuUnexpected = 0x1234500A;
inline constexpr uint32_t kDfuError = 0x1234500B;
inline constexpr uint32_t kDfuRetryError = 0x1234500C;
inline constexpr uint32_t kDfuUnsupported = 0x1234500D;
// Our own: a file that fails its checks; an operation that was asked to stop
// (never reported, nobody reads its status any more).
inline constexpr uint32_t kDfuBadFile = 0x12345010;
inline constexpr uint32_t kDfuStopped = 0x12345012;

// The progress bar's text for a failed operation's code.
std::string dfuErrorCodeText(uint32_t code);

}  // namespace ostrel
