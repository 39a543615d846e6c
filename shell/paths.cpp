// The save folder, the content folder and atomic file replacement.
#include "shell/paths.h"
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include "shell/log.h"

namespace {
struct PathsModule {
    std::string save_dir;
    std::string content_dir = "content";
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

std::string Default_Save_Dir() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg) return std::string(xdg) + "/orbivale";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/share/orbivale";
}
}  // namespace

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

void Paths_SetSaveDir(const std::string& dir) { P().save_dir = dir; }
const std::string& Paths_ContentDir() { return P().content_dir; }
void Paths_SetContentDir(const std::string& dir) { P().content_dir = dir; }

std::string Paths_ContentFile(const std::string& name) {
    // ".\images\x.png" -> <content>/images/x.png. Both separators map to '/'; letter case is
    // kept, so "Images" and "images" stay distinct folders.
    std::string rel = name;
    for (char& c : rel)
        if (c == '\\') c = '/';
    if (rel.compare(0, 2, "./") == 0) rel = rel.substr(2);
    return P().content_dir + "/" + rel;
}

bool Paths_WriteAtomic(const std::string& file, const void* bytes, size_t size) {
    std::string tmp = file + ".tmp";
    int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        Log_Line("Can't write " + file + ": " + std::strerror(errno));
        return false;
    }
    const char* p = static_cast<const char*>(bytes);
    size_t left = size;
    bool ok = true;
    while (left > 0) {
        ssize_t n = write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (ok && fsync(fd) != 0) ok = false;
    int err = errno;
    if (close(fd) != 0) ok = false;
    if (ok && std::rename(tmp.c_str(), file.c_str()) != 0) ok = false;
    if (!ok) {
        Log_Line("Can't write " + file + ": " + std::strerror(err ? err : errno));
        std::remove(tmp.c_str());
    }
    return ok;
}
