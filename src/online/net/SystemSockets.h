#pragma once
// The system's socket headers: WinSock on Windows, the Berkeley headers
// elsewhere. The one place where the socket code asks which system it is on.

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#endif
