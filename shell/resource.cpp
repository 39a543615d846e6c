// The content catalogue (first registration of a name wins) and read-only streams over it.
#include "shell/resource.h"
#include <cstring>
#include <unordered_map>
#include "shell/app_state.h"
#include "shell/paths.h"

namespace {
struct ResourceModule {
    std::vector<Resource_Entry> entries;           // registration order
    std::unordered_map<std::string, size_t> index; // name -> first entry with it
};
ResourceModule& R() {
    static ResourceModule m;
    return m;
}

constexpr size_t kContentFileLimit = size_t(1) << 30; // no content file comes near this

bool Read_Owned(const std::string& file, Resource_Stream& out) {
    if (!Paths_ReadFile(file, out.owned, kContentFileLimit)) return false;
    out.data = out.owned.data();
    out.size = out.owned.size();
    return true;
}
} // namespace

void Resource_Register(const std::string& name, const uint8_t* bytes, size_t size) {
    ResourceModule& m = R();
    if (m.index.count(name)) return;
    m.index.emplace(name, m.entries.size());
    m.entries.push_back({name, bytes, size});
}

const Resource_Entry* Resource_Find(const std::string& name) {
    ResourceModule& m = R();
    auto it = m.index.find(name);
    return it == m.index.end() ? nullptr : &m.entries[it->second];
}

void Resource_Clear() {
    R().entries.clear();
    R().index.clear();
}

size_t Resource_Count() {
    return R().entries.size();
}

size_t Resource_Stream::Read(void* out, size_t n) {
    size_t left = pos < size ? size - pos : 0;
    if (n > left) n = left;
    if (n) std::memcpy(out, data + pos, n);
    pos += n;
    return n;
}

bool Stream_Open(const std::string& path, Resource_Stream& out, bool write) {
    out = Resource_Stream();
    static const std::string kIncbin = "incbin::";
    if (path.compare(0, kIncbin.size(), kIncbin) == 0) {
        if (write) return false;
        const Resource_Entry* e = Resource_Find(path.substr(kIncbin.size()));
        // A name the executable does not embed may still be in the installed content folder.
        if (!e) return Read_Owned(Paths_ContentFile(path.substr(kIncbin.size())), out);
        out.data = e->bytes;
        out.size = e->size;
        return true;
    }
    if (write) return false;
    std::string file = path;
    if (path.size() > 1 && path[0] == '.' && (path[1] == '\\' || path[1] == '/'))
        file = Paths_ContentFile(path);
    return Read_Owned(file, out);
}

std::string Asset_Path(const std::string& name) {
    return AssetPrefix + name;
}
