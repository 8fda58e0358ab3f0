#include "ChildProcess.h"

#include <windows.h>

#include "WindowsCommandLine.h"

namespace ostrel::test {

struct ChildProcess::Handles {
  HANDLE process = nullptr;
  HANDLE input = nullptr;   // the child's standard input, our end
  HANDLE output = nullptr;  // the child's standard output, our end
  std::optional<int> exitCode;
};

namespace {

void closeHandle(HANDLE& handle) {
  if (handle != nullptr) CloseHandle(handle);
  handle = nullptr;
}

// A pipe whose child end is inherited and whose end of ours is not.
bool makePipe(HANDLE& read, HANDLE& write, bool childReads) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  if (!CreatePipe(&read, &write, &inherit, 0)) return false;
  SetHandleInformation(childReads ? write : read, HANDLE_FLAG_INHERIT, 0);
  return true;
}

}  // namespace

ChildProcess::ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& args)
    : handles_(std::make_unique<Handles>()) {
  HANDLE childInput = nullptr;
  HANDLE childOutput = nullptr;
  if (!makePipe(childInput, handles_->input, true)) return;
  if (!makePipe(handles_->output, childOutput, false)) {
    closeHandle(childInput);
    return;
  }
  std::vector<std::string> words = {program.string()};
  words.insert(words.end(), args.begin(), args.end());
  std::string commandLine = windowsCommandLine(words);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = childInput;
  startup.hStdOutput = childOutput;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION info{};
  if (CreateProcessA(program.string().c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                     nullptr, &startup, &info)) {
    handles_->process = info.hProcess;
    CloseHandle(info.hThread);
  }
  closeHandle(childInput);
  closeHandle(childOutput);
}

ChildProcess::~ChildProcess() {
  if (running()) kill();
  wait();
  closeHandle(handles_->input);
  closeHandle(handles_->output);
  closeHandle(handles_->process);
}

bool ChildProcess::running() const { return handles_->process != nullptr && !handles_->exitCode; }

std::optional<std::string> ChildProcess::readLine() {
  std::string line;
  char c = 0;
  DWORD got = 0;
  for (;;) {
    if (!ReadFile(handles_->output, &c, 1, &got, nullptr) || got == 0) {
      return line.empty() ? std::nullopt : std::optional(line);
    }
    if (c == '\n') return line;
    if (c != '\r') line += c;
  }
}

void ChildProcess::closeInput() { closeHandle(handles_->input); }

void ChildProcess::kill() {
  if (running()) TerminateProcess(handles_->process, static_cast<UINT>(-1));
}

int ChildProcess::wait() {
  if (handles_->process == nullptr) return -1;
  if (!handles_->exitCode) {
    WaitForSingleObject(handles_->process, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(handles_->process, &code);
    handles_->exitCode = static_cast<int>(code);
  }
  return *handles_->exitCode;
}

std::filesystem::path ChildProcess::besideThisProgram(const std::string& fileName) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::filesystem::path(std::string(path, length)).parent_path() / fileName;
}

}  // namespace ostrel::test
