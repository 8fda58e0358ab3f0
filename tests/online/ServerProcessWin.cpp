// The server is Python with pyftpdlib: the program OSTREL_TEST_PYTHON names
// (default "python" on the search path). Under Wine that is the system's
// own Linux Python (the online tests' CMake file sets Z:/usr/bin/python3).
// Wine gives no process handle for a Linux program, so a small wrapper ties
// the server's life to a loopback connection from this process instead: the
// server ends when that connection closes, also when the test program dies.

#include "ServerProcess.h"

#include <windows.h>

#include <chrono>
#include <cstdlib>

#include "WindowsCommandLine.h"
#include "online/net/Socket.h"

namespace ostrel::test {
namespace {

using namespace std::chrono_literals;

// Connects back to the port in argv[1], ends at once when that connection
// closes, and runs pyftpdlib's command line with the remaining arguments.
constexpr const char* kWrapper =
    "import os,socket,sys,threading,runpy;"
    "k=socket.create_connection(('127.0.0.1',int(sys.argv[1])));"
    "threading.Thread(target=lambda:(k.recv(1),os._exit(0)),daemon=True).start();"
    "sys.argv=['pyftpdlib']+sys.argv[2:];"
    "runpy.run_module('pyftpdlib',run_name='__main__')";

std::string python() {
  const char* named = std::getenv("OSTREL_TEST_PYTHON");
  return named && *named ? named : "python";
}

HANDLE inheritableLog(const std::filesystem::path& log) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE file = CreateFileW(log.wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  // Appended to, but with plain write access: Wine hands a Linux program
  // only handles it can map to a writable file descriptor.
  if (file != INVALID_HANDLE_VALUE) SetFilePointer(file, 0, nullptr, FILE_END);
  return file;
}

bool launch(const std::vector<std::string>& words, const std::filesystem::path& log) {
  std::string commandLine = windowsCommandLine(words);
  HANDLE output = inheritableLog(log);
  if (output == INVALID_HANDLE_VALUE) return false;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  PROCESS_INFORMATION info{};
  // No CREATE_NO_WINDOW: with it Wine passes a Linux program no standard handles.
  const bool started =
      CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info);
  CloseHandle(output);
  // Only a Windows program has handles; the keep-alive connection is what counts.
  if (info.hProcess) CloseHandle(info.hProcess);
  if (info.hThread) CloseHandle(info.hThread);
  return started;
}

}  // namespace

struct ServerProcess::Handles {
  net::Socket keepAlive;
};

ServerProcess::ServerProcess(const std::vector<std::string>& serverArgs, const std::filesystem::path& log)
    : handles_(std::make_unique<Handles>()) {
  net::Socket listener;
  if (!listener.create() || !listener.listen("127.0.0.1", 1)) return;
  const auto local = listener.localEndpoint();
  if (!local) return;
  std::vector<std::string> words = {python(), "-c", kWrapper, std::to_string(local->port)};
  words.insert(words.end(), serverArgs.begin(), serverArgs.end());
  if (!launch(words, log)) return;
  if (auto accepted = listener.accept(10s)) {
    handles_->keepAlive = std::move(*accepted);
    // exited() looks for the end of the connection without waiting.
    handles_->keepAlive.setIoTimeout(1ms);
  }
}

ServerProcess::~ServerProcess() { stop(); }

bool ServerProcess::started() const { return handles_->keepAlive.isOpen(); }

bool ServerProcess::exited() {
  char byte = 0;
  if (!started() || handles_->keepAlive.receive(&byte, 1) != 0) return false;
  handles_->keepAlive.close();
  return true;
}

void ServerProcess::stop() { handles_->keepAlive.close(); }

std::string ServerProcess::serverPath(const std::filesystem::path& folder) {
  // Under Wine the Linux server needs the Linux name of the folder.
  using UnixName = char*(CDECL*)(const WCHAR*);
  const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!unixName) return folder.string();
  char* name = unixName(folder.wstring().c_str());
  if (!name) return folder.string();
  std::string path = name;
  HeapFree(GetProcessHeap(), 0, name);
  return path;
}

}  // namespace ostrel::test
