// A preloaded library that makes file operations fail on request, for testing what a save leaves
// behind. It acts only while the program has armed it (orvanel_faults_arm), so that loading and
// start-up run untouched, and only on descriptors above stderr.
//
// Environment:
//   ORVANEL_FAULT_OP    open | read | write | fsync | chmod | rename | link | unlink | close | any
//   ORVANEL_FAULT_CALL  which call of that operation (1 = the first while armed) gets the fault;
//                       0: every call of that operation does
//   ORVANEL_FAULT_KIND  eio | enospc | eacces | short | full | shrink | kill
//                        short:  the call writes half its bytes and says so
//                        full:   the call writes half, every later write fails with ENOSPC
//                        shrink: a read: another program cuts the file to half its size
//                                just before the call, which then reads what is left
//                        kill:   the process is killed just before the call
//   ORVANEL_FAULT_LOG   a file to which every armed call is logged, one line each:
//                        "<seq> <op> <fn> <path or fd> <result>"
// Without ORVANEL_FAULT_OP the library only logs, which is how a test counts the calls of a save.
// Network calls (socket, connect) are logged too and always refused while armed.
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

enum class Kind { None, Eio, Enospc, Eacces, Short, Full, Shrink, Kill };

struct Plan {
    std::string op;     // empty: log only
    long call = 0;
    Kind kind = Kind::None;
};

struct State {
    bool armed = false;
    bool diskFull = false;
    long sequence = 0;     // every armed call, of any operation
    long countOpen = 0, countRead = 0, countWrite = 0, countFsync = 0, countRename = 0,
         countLink = 0, countClose = 0, countChmod = 0, countUnlink = 0;
    int logFd = -1;
    Plan plan;
    std::string paths[1024];  // what each descriptor was opened as, while armed
};

State& state()
{
    static State s;
    return s;
}

template <typename F>
F real(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

using WriteFn = ssize_t (*)(int, const void*, size_t);

void writeLog(const std::string& line)
{
    State& s = state();
    if (s.logFd < 0)
        return;
    static const WriteFn realWrite = real<WriteFn>("write");
    realWrite(s.logFd, line.data(), line.size());
}

Kind parseKind(const char* text)
{
    const std::string k = text ? text : "";
    if (k == "eio") return Kind::Eio;
    if (k == "enospc") return Kind::Enospc;
    if (k == "eacces") return Kind::Eacces;
    if (k == "short") return Kind::Short;
    if (k == "full") return Kind::Full;
    if (k == "shrink") return Kind::Shrink;
    if (k == "kill") return Kind::Kill;
    return Kind::None;
}

const std::string& pathOf(int fd)
{
    static const std::string unknown = "?";
    State& s = state();
    return fd >= 0 && fd < 1024 && !s.paths[fd].empty() ? s.paths[fd] : unknown;
}

long& counterOf(const std::string& op)
{
    State& s = state();
    if (op == "open") return s.countOpen;
    if (op == "read") return s.countRead;
    if (op == "write") return s.countWrite;
    if (op == "fsync") return s.countFsync;
    if (op == "rename") return s.countRename;
    if (op == "link") return s.countLink;
    if (op == "chmod") return s.countChmod;
    if (op == "unlink") return s.countUnlink;
    return s.countClose;
}

// Decides the fate of one armed call: Kind::None lets it through.
Kind decide(const std::string& op)
{
    State& s = state();
    ++s.sequence;
    const long nth = ++counterOf(op);
    const Plan& p = s.plan;
    if (p.kind == Kind::None)
        return Kind::None;
    const bool hit = p.op == "any" ? s.sequence == p.call
                                   : (p.op == op && (p.call == 0 || nth == p.call));
    if (!hit)
        return Kind::None;
    if (p.kind == Kind::Kill)
        raise(SIGKILL);
    return p.kind;
}

void logCall(const std::string& op, const char* fn, const std::string& what, long result,
             int error)
{
    char tail[64];
    if (result < 0)
        std::snprintf(tail, sizeof tail, " -1 %s\n", strerrorname_np(error));
    else
        std::snprintf(tail, sizeof tail, " %ld\n", result);
    writeLog(std::to_string(state().sequence) + " " + op + " " + fn + " " + what + tail);
}

int errnoOf(Kind kind)
{
    switch (kind) {
    case Kind::Enospc:
    case Kind::Full: return ENOSPC;
    case Kind::Eacces: return EACCES;
    default: return EIO;
    }
}

bool watched(int fd)
{
    return state().armed && fd > 2;
}

// ----- open -----

using OpenFn = int (*)(const char*, int, ...);
using OpenAtFn = int (*)(int, const char*, int, ...);

int afterOpen(const char* fn, const char* path, int fd)
{
    const int error = errno;
    if (fd >= 0 && fd < 1024)
        state().paths[fd] = path ? path : "";
    logCall("open", fn, path ? path : "", fd, error);
    errno = error;
    return fd;
}

int openCommon(const char* fn, int dirfd, const char* path, int flags, mode_t mode)
{
    static const OpenAtFn realOpenAt = real<OpenAtFn>("openat");
    if (!state().armed)
        return realOpenAt(dirfd, path, flags, mode);
    const Kind kind = decide("open");
    if (kind != Kind::None) {
        errno = errnoOf(kind);
        return afterOpen(fn, path, -1);
    }
    return afterOpen(fn, path, realOpenAt(dirfd, path, flags, mode));
}

mode_t modeArgument(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & __O_TMPFILE) == __O_TMPFILE ? va_arg(args, mode_t) : 0;
}

template <typename Call>
int pathCall(const char* op, const char* fn, const char* from, const char* to, Call call)
{
    if (!state().armed)
        return call();
    const Kind kind = decide(op);
    int result;
    if (kind != Kind::None) {
        errno = errnoOf(kind);
        result = -1;
    } else {
        result = call();
    }
    const int error = errno;
    logCall(op, fn, std::string(from ? from : "") + " -> " + (to ? to : ""), result, error);
    errno = error;
    return result;
}

}  // namespace

extern "C" {

// The program arms the faults around the code under test; found with dlsym.
__attribute__((visibility("default"))) void orvanel_faults_arm(int on)
{
    State& s = state();
    if (on && s.logFd < 0) {
        const char* log = std::getenv("ORVANEL_FAULT_LOG");
        static const OpenFn realOpen = real<OpenFn>("open");
        if (log && *log)
            s.logFd = realOpen(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        const char* op = std::getenv("ORVANEL_FAULT_OP");
        const char* call = std::getenv("ORVANEL_FAULT_CALL");
        s.plan.op = op ? op : "";
        s.plan.call = call ? std::atol(call) : 0;
        s.plan.kind = s.plan.op.empty() ? Kind::None : parseKind(std::getenv("ORVANEL_FAULT_KIND"));
    }
    if (!on)
        s.diskFull = false;
    s.armed = on != 0;
}

int open(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openCommon("open", AT_FDCWD, path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openCommon("open64", AT_FDCWD, path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openCommon("openat", dirfd, path, flags, mode);
}

int openat64(int dirfd, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openCommon("openat64", dirfd, path, flags, mode);
}

int __open_2(const char* path, int flags)
{
    return openCommon("__open_2", AT_FDCWD, path, flags, 0);
}

int __open64_2(const char* path, int flags)
{
    return openCommon("__open64_2", AT_FDCWD, path, flags, 0);
}

// Libraries that read through stdio open files without passing through open() above.
using FopenFn = FILE* (*)(const char*, const char*);

FILE* fopenCommon(const char* fn, const char* path, const char* mode)
{
    static const FopenFn realFopen = real<FopenFn>("fopen");
    if (!state().armed)
        return realFopen(path, mode);
    const Kind kind = decide("open");
    FILE* file = nullptr;
    if (kind != Kind::None)
        errno = errnoOf(kind);
    else
        file = realFopen(path, mode);
    const int error = errno;
    logCall("open", fn, path ? path : "", file ? fileno(file) : -1, error);
    errno = error;
    return file;
}

FILE* fopen(const char* path, const char* mode)
{
    return fopenCommon("fopen", path, mode);
}

FILE* fopen64(const char* path, const char* mode)
{
    return fopenCommon("fopen64", path, mode);
}

// ----- read, write -----

using ReadFn = ssize_t (*)(int, void*, size_t);

ssize_t read(int fd, void* buffer, size_t size)
{
    static const ReadFn realRead = real<ReadFn>("read");
    if (!watched(fd))
        return realRead(fd, buffer, size);
    const Kind kind = decide("read");
    ssize_t result;
    struct stat st {};
    if (kind == Kind::Shrink && fstat(fd, &st) == 0 && truncate(pathOf(fd).c_str(), st.st_size / 2) == 0) {
        result = realRead(fd, buffer, size);
    } else if (kind != Kind::None) {
        errno = errnoOf(kind);
        result = -1;
    } else {
        result = realRead(fd, buffer, size);
    }
    const int error = errno;
    logCall("read", "read", pathOf(fd), result, error);
    errno = error;
    return result;
}

ssize_t __read_chk(int fd, void* buffer, size_t size, size_t)
{
    return read(fd, buffer, size);
}

ssize_t write(int fd, const void* buffer, size_t size)
{
    static const WriteFn realWrite = real<WriteFn>("write");
    State& s = state();
    if (!watched(fd))
        return realWrite(fd, buffer, size);
    Kind kind = decide("write");
    if (s.diskFull && kind == Kind::None)
        kind = Kind::Enospc;
    ssize_t result;
    if (kind == Kind::Short || kind == Kind::Full) {
        result = realWrite(fd, buffer, size / 2);
        if (kind == Kind::Full)
            s.diskFull = true;
        if (result == 0 && kind == Kind::Full) {
            errno = ENOSPC;
            result = -1;
        }
    } else if (kind != Kind::None) {
        errno = errnoOf(kind);
        result = -1;
    } else {
        result = realWrite(fd, buffer, size);
    }
    const int error = errno;
    logCall("write", "write", pathOf(fd), result, error);
    errno = error;
    return result;
}

// ----- flush to disk -----

using FdFn = int (*)(int);

int syncCommon(const char* fn, int fd)
{
    static const FdFn realFsync = real<FdFn>("fsync");
    static const FdFn realFdatasync = real<FdFn>("fdatasync");
    const FdFn call = std::strcmp(fn, "fsync") == 0 ? realFsync : realFdatasync;
    if (!watched(fd))
        return call(fd);
    const Kind kind = decide("fsync");
    int result;
    if (kind != Kind::None) {
        errno = errnoOf(kind);
        result = -1;
    } else {
        result = call(fd);
    }
    const int error = errno;
    logCall("fsync", fn, pathOf(fd), result, error);
    errno = error;
    return result;
}

int fsync(int fd)
{
    return syncCommon("fsync", fd);
}

int fdatasync(int fd)
{
    return syncCommon("fdatasync", fd);
}

int close(int fd)
{
    static const FdFn realClose = real<FdFn>("close");
    if (!watched(fd) || fd == state().logFd)
        return realClose(fd);
    const Kind kind = decide("close");
    const std::string path = pathOf(fd);
    // A failed close still releases the descriptor, as on Linux.
    int result = realClose(fd);
    if (kind != Kind::None) {
        errno = errnoOf(kind);
        result = -1;
    }
    const int error = errno;
    if (fd < 1024)
        state().paths[fd].clear();
    logCall("close", "close", path, result, error);
    errno = error;
    return result;
}

// ----- rename, link -----

using RenameFn = int (*)(const char*, const char*);
using RenameAtFn = int (*)(int, const char*, int, const char*);
using RenameAt2Fn = int (*)(int, const char*, int, const char*, unsigned);
using LinkAtFn = int (*)(int, const char*, int, const char*, int);

int rename(const char* from, const char* to)
{
    static const RenameFn f = real<RenameFn>("rename");
    return pathCall("rename", "rename", from, to, [&] { return f(from, to); });
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    static const RenameAtFn f = real<RenameAtFn>("renameat");
    return pathCall("rename", "renameat", from, to,
                    [&] { return f(fromDir, from, toDir, to); });
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags)
{
    static const RenameAt2Fn f = real<RenameAt2Fn>("renameat2");
    return pathCall("rename", "renameat2", from, to,
                    [&] { return f(fromDir, from, toDir, to, flags); });
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    static const LinkAtFn f = real<LinkAtFn>("linkat");
    return pathCall("link", "linkat", from, to, [&] { return f(fromDir, from, toDir, to, flags); });
}

// ----- permissions, removal -----

using FchmodFn = int (*)(int, mode_t);
using UnlinkFn = int (*)(const char*);
using UnlinkAtFn = int (*)(int, const char*, int);

int fchmod(int fd, mode_t mode)
{
    static const FchmodFn f = real<FchmodFn>("fchmod");
    if (!watched(fd))
        return f(fd, mode);
    const Kind kind = decide("chmod");
    int result;
    if (kind != Kind::None) {
        errno = errnoOf(kind);
        result = -1;
    } else {
        result = f(fd, mode);
    }
    const int error = errno;
    logCall("chmod", "fchmod", pathOf(fd), result, error);
    errno = error;
    return result;
}

int unlink(const char* path)
{
    static const UnlinkFn f = real<UnlinkFn>("unlink");
    return pathCall("unlink", "unlink", path, "", [&] { return f(path); });
}

int unlinkat(int dirfd, const char* path, int flags)
{
    static const UnlinkAtFn f = real<UnlinkAtFn>("unlinkat");
    return pathCall("unlink", "unlinkat", path, "", [&] { return f(dirfd, path, flags); });
}

// ----- network: never expected while a register loads or saves -----

using SocketFn = int (*)(int, int, int);
using ConnectFn = int (*)(int, const struct sockaddr*, socklen_t);

int socket(int domain, int type, int protocol)
{
    static const SocketFn f = real<SocketFn>("socket");
    if (!state().armed)
        return f(domain, type, protocol);
    ++state().sequence;
    logCall("net", "socket", std::to_string(domain), -1, EACCES);
    errno = EACCES;
    return -1;
}

int connect(int fd, const struct sockaddr* address, socklen_t length)
{
    static const ConnectFn f = real<ConnectFn>("connect");
    if (!state().armed)
        return f(fd, address, length);
    ++state().sequence;
    logCall("net", "connect", std::to_string(fd), -1, EACCES);
    errno = EACCES;
    return -1;
}

}  // extern "C"
