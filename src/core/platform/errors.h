#pragma once
// The failure a platform operation raises and the numbers the console shows or tests, on their own: the
// protocol and text rules raise and read them without the rest of the platform seam.
#include <QString>

#include <exception>
#include <utility>

namespace tvx {

// A failure raised by a platform operation, with the number and description the caller may show.
class PlatformError : public std::exception {
public:
    PlatformError(int number, QString description) : number_(number), description_(std::move(description)) {}
    int number() const { return number_; }
    const QString& description() const { return description_; }
    const char* what() const noexcept override { return "platform error"; }

private:
    int number_;
    QString description_;
};

// Error numbers the console shows or tests.
namespace err {
inline constexpr int WrongState = 40006; // operation in the wrong connection state, or a lost link
inline constexpr int InvalidPort = 13;   // a port text that is not a number ("Type mismatch")
inline constexpr int PortOutOfRange = 6; // "Overflow"
inline constexpr int ConnectionRefused = 10061;
inline constexpr int HostNotFound = 11001;
inline constexpr int TimedOut = 10060;
inline constexpr int ConnectionReset = 10054;
inline constexpr int FileAlreadyOpen = 55;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int PermissionDenied = 70;
inline constexpr int WriteFault = 61; // a write that did not reach the file (a full disk, say)
// "Invalid property value": a socket's port outside 0..65535.
inline constexpr int InvalidPropertyValue = 380;
// "Invalid property array index": a grid cell outside the rows and columns, told as "Subscript out of range".
inline constexpr int InvalidPropertyIndex = 381;
inline constexpr int AddressInUse = 10048; // the UDP socket found no local port to bind
// A datagram the system would not send (no route to the host, or one too long); the description says which.
inline constexpr int HostUnreachable = 10065;
inline constexpr int InvalidRow = 30009;      // "Invalid Row value": a grid row outside the rows
inline constexpr int InvalidCol = 30010;      // "Invalid Col value": a grid column outside the columns
inline constexpr int CannotRemoveRow = 30015; // a grid's fixed rows and its last non-fixed row stay
// "Invalid operation at current state": connecting a TCP client that is not closed.
inline constexpr int InvalidOperation = 40020;
} // namespace err

// The states a socket reports.
namespace sock {
inline constexpr int Closed = 0;
inline constexpr int Open = 1; // a UDP socket bound and aimed at its peer
inline constexpr int ResolvingHost = 4;
inline constexpr int Connecting = 6;
inline constexpr int Connected = 7;
inline constexpr int Closing = 8; // the peer closed, or the link is closing
inline constexpr int Error = 9;
} // namespace sock

} // namespace tvx
