// The save folder, the content folder and atomic file replacement.
#include "shell/paths.h"
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include "shell/log.h"

namespace {
long System_Write(int fd, const void* bytes, size_t size) {
    return static_cast<long>(write(fd, bytes, size));
}

struct PathsModule {
    std::string save_dir;
    std::string content_dir; // empty until set or looked up
    Paths_WriteFn write_fn = System_Write;
    Paths_FailureFn failure_fn = nullptr;
    int failures = 0;
    std::string last_failed; // the file of the last failure logged, so a retry loop logs once
};
PathsModule& P() {
    static PathsModule m;
    return m;
}

// Creates dir and its parents; true when it exists afterwards.
bool Make_Dirs(const std::string& dir) {
    if (dir.empty()) return false;
    std::string part;
    for (size_t i = 0; i <= dir.size(); ++i) {
        if (i == dir.size() || dir[i] == '/') {
            if (!part.empty()) mkdir(part.c_str(), 0755);
        }
        if (i < dir.size()) part.push_back(dir[i]);
    }
    struct stat st;
    return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Is_Dir(const std::string& dir) {
    struct stat st;
    return !dir.empty() && stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The folder that holds the running executable, or "" when the system does not say.
std::string Exe_Dir() {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "";
    std::string exe(buf, static_cast<size_t>(n));
    size_t slash = exe.rfind('/');
    return slash == std::string::npos ? "" : exe.substr(0, slash);
}

// A content folder holds the generated data and images folders.
bool Is_Content_Dir(const std::string& dir) {
    return Is_Dir(dir + "/data") && Is_Dir(dir + "/images");
}

std::string Default_Save_Dir() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg) return std::string(xdg) + "/orbivale";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/share/orbivale";
}
} // namespace

const std::string& Paths_SaveDir() {
    PathsModule& m = P();
    if (m.save_dir.empty()) m.save_dir = Default_Save_Dir();
    static std::string made;
    if (made != m.save_dir) {
        if (!Make_Dirs(m.save_dir)) Log_Line("Can't create the save folder " + m.save_dir);
        made = m.save_dir;
    }
    return m.save_dir;
}

void Paths_SetSaveDir(const std::string& dir) {
    P().save_dir = dir;
}
std::vector<std::string> Paths_ContentCandidates() {
    std::vector<std::string> out;
    std::string exe = Exe_Dir();
    if (!exe.empty()) out.push_back(exe + "/../share/orbivale");
#ifdef ORBIVALE_DATADIR
    out.push_back(ORBIVALE_DATADIR);
#endif
    return out;
}

std::string Paths_FindContent() {
    for (const std::string& dir : Paths_ContentCandidates())
        if (Is_Content_Dir(dir)) return dir;
    return "";
}

const std::string& Paths_ContentDir() {
    PathsModule& m = P();
    if (m.content_dir.empty()) {
        m.content_dir = Paths_FindContent();
        if (m.content_dir.empty()) m.content_dir = "content";
    }
    return m.content_dir;
}
void Paths_SetContentDir(const std::string& dir) {
    P().content_dir = dir;
}

std::string Paths_ContentFile(const std::string& name) {
    // ".\images\x.png" -> <content>/images/x.png. Both separators map to '/'; letter case is
    // kept, so "Images" and "images" stay distinct folders.
    std::string rel = name;
    for (char& c : rel)
        if (c == '\\') c = '/';
    if (rel.compare(0, 2, "./") == 0) rel = rel.substr(2);
    return Paths_ContentDir() + "/" + rel;
}

namespace {
// A failed write: logged (once while the same file keeps failing), counted, and the first
// one of the run reported to the failure hook.
bool Write_Failed(const std::string& file, int err) {
    PathsModule& m = P();
    if (m.last_failed != file) Log_Line("Can't write " + file + ": " + std::strerror(err));
    m.last_failed = file;
    if (m.failures++ == 0 && m.failure_fn) m.failure_fn(file);
    return false;
}

// Makes a finished rename durable: the folder's entry is flushed too.
void Sync_Folder(const std::string& file) {
    size_t slash = file.rfind('/');
    std::string dir = slash == std::string::npos ? "." : file.substr(0, slash);
    int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}
} // namespace

void Paths_SetWriteFn(Paths_WriteFn fn) {
    P().write_fn = fn ? fn : System_Write;
}
void Paths_SetFailureFn(Paths_FailureFn fn) {
    P().failure_fn = fn;
}
int Paths_WriteFailures() {
    return P().failures;
}

bool Paths_ReadFile(const std::string& file, std::vector<uint8_t>& out, size_t limit) {
    out.clear();
    FILE* f = std::fopen(file.c_str(), "rb");
    if (!f) return false;
    uint8_t buf[65536];
    while (out.size() < limit) {
        size_t n = std::fread(buf, 1, std::min(sizeof buf, limit - out.size()), f);
        if (n == 0) break;
        out.insert(out.end(), buf, buf + n);
    }
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool Paths_WriteAtomic(const std::string& file, const void* bytes, size_t size) {
    std::string tmp = file + ".tmp";
    // A stale temporary (or a link planted under its name) goes first; the new one is always
    // a fresh file of ours, never something a link points at.
    unlink(tmp.c_str());
    int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0644);
    if (fd < 0) return Write_Failed(file, errno);
    const char* p = static_cast<const char*>(bytes);
    size_t left = size;
    int err = 0;
    while (left > 0) {
        long n = P().write_fn(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            err = n < 0 ? errno : ENOSPC;
            break;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (err == 0 && fsync(fd) != 0) err = errno;
    if (close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && std::rename(tmp.c_str(), file.c_str()) != 0) err = errno;
    if (err != 0) {
        std::remove(tmp.c_str());
        return Write_Failed(file, err);
    }
    Sync_Folder(file);
    if (P().last_failed == file) P().last_failed.clear();
    return true;
}
