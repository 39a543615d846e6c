// Path file reader: tokens, numbers and the track-block state machine.
#include "content/path_file.h"
#include "content/text_int.h"
#include <cstring>
#include "chain/path.h"
#include "shell/log.h"
#include "shell/resource.h"

namespace {
constexpr int COORD_LIMIT = 100000; // coordinates beyond this are clamped (far outside any board)
constexpr int SPEED_LIMIT = 100000; // units per second

bool Is_Separator(char c) {
    return c == '=' || c == ':' || c == ',' || c == ' ' || c == '\r' || c == '\n';
}

enum class St { Outside, Track, Point, Burst, Element };

// Values persist from the opening of the file across points, blocks and tracks.
struct Values {
    int x = 0, y = 0, z = 0, bz1_x = 0, bz1_y = 0, bz2_x = 0, bz2_y = 0, spd = 0;
    int balls = 0, delay = 0, min_pieces = 0;
    int ge_x = 0, ge_y = 0, ge_z = 0, img_file = 0;
};

struct Parser {
    const char* text;
    size_t size;
    size_t pos = 0;
    const std::string& name;
    const Path_File_Context& ctx;
    Values v;
    St st = St::Outside;
    Path* track = nullptr; // track of the current block, once created
    bool track_refused = false;
    int end_zone_mark = -1, alarm_mark = -1;
    int added = 0;
    bool clamped = false;

    bool Next(Path_Token& tok) {
        tok = Token_Next(text, size, pos);
        if (tok.len == 0) return false;
        pos = tok.start + tok.len;
        return true;
    }
    bool Is(const Path_Token& tok, const char* word) const {
        size_t n = std::strlen(word);
        return tok.len == n && std::memcmp(text + tok.start, word, n) == 0;
    }
    // Reads one value token; false at the end of the text.
    bool Value(int& out, int lo, int hi) {
        Path_Token tok;
        if (!Next(tok)) return false;
        int n = Text_ToInt(text + tok.start, tok.len);
        if (n < lo || n > hi) {
            clamped = true;
            n = n < lo ? lo : hi;
        }
        out = n;
        return true;
    }
    bool Coord(int& out) { return Value(out, -COORD_LIMIT, COORD_LIMIT); }

    bool Ensure_Track() {
        if (track) return true;
        if (track_refused) return false;
        track = Path::Create();
        if (!track) {
            Log_Line("Path file " + name + ": more than 16 tracks, the extra track is ignored");
            track_refused = true;
        }
        return track != nullptr;
    }
    float Mx(int a) const { return static_cast<float>((ctx.mirror & 2) ? 800 - a : a); }
    float My(int a) const { return static_cast<float>((ctx.mirror & 1) ? 600 - a : a); }

    void Reject(const char* why) {
        Log_Line("Path file " + name + ": track " + std::to_string(track->id) + " rejected, " + why);
        Paths_Drop_Last();
        track = nullptr;
    }
    void Finish_Track() {
        if (!track) return;
        if (track->pts_count < 2) return Reject("fewer than two points");
        if (track->bursts_count == 0) return Reject("no BURST");
        track->Burst_Set_Crt(0);
        if (!track->Samples_Compute()) return Reject("too many curve segments");
        track->GElem_Load_Images(ctx.mirror, ctx.board_id, ctx.pack_folder.c_str());
        track->pt_end_zone = end_zone_mark != -1 ? end_zone_mark : track->pts_count - 6;
        track->alarm_pt = alarm_mark != -1 ? alarm_mark : track->pts_count - 3;
        track = nullptr;
        ++added;
    }
    int Points_So_Far() const { return track ? track->pts_count : 0; }

    bool Step_Track(const Path_Token& tok);
    bool Step_Point(const Path_Token& tok);
    bool Step_Burst(const Path_Token& tok);
    bool Step_Element(const Path_Token& tok);
    void Run();
};

bool Parser::Step_Track(const Path_Token& tok) {
    if (Is(tok, "PT"))
        st = St::Point;
    else if (Is(tok, "BURST")) {
        v.delay = v.min_pieces = 0;
        st = St::Burst;
    } else if (Is(tok, "GRAPHIC_ELEM"))
        st = St::Element;
    else if (Is(tok, "ENDPATH")) {
        Finish_Track();
        track_refused = false;
        st = St::Outside;
    }
    return true;
}

bool Parser::Step_Point(const Path_Token& tok) {
    if (Is(tok, "COORD")) return Coord(v.x) && Coord(v.y) && Value(v.z, 0, ZLIST_LAYERS - 1);
    if (Is(tok, "BZ1")) return Coord(v.bz1_x) && Coord(v.bz1_y);
    if (Is(tok, "BZ2")) return Coord(v.bz2_x) && Coord(v.bz2_y);
    if (Is(tok, "SPD")) return Value(v.spd, 0, SPEED_LIMIT);
    if (Is(tok, "END_ZONE"))
        end_zone_mark = Points_So_Far();
    else if (Is(tok, "ALARM"))
        alarm_mark = Points_So_Far();
    else if (Is(tok, "ENDPT")) {
        if (Ensure_Track())
            track->PPoint_Add(Mx(v.x), My(v.y), v.z, Mx(v.bz1_x), My(v.bz1_y), Mx(v.bz2_x), My(v.bz2_y),
                              v.spd);
        st = St::Track;
    }
    return true;
}

bool Parser::Step_Burst(const Path_Token& tok) {
    if (Is(tok, "BALLS")) return Value(v.balls, INT32_MIN, INT32_MAX);
    if (Is(tok, "DELAY")) return Value(v.delay, INT32_MIN, INT32_MAX);
    if (Is(tok, "MIN_PIECES")) return Value(v.min_pieces, INT32_MIN, INT32_MAX);
    if (Is(tok, "ENDBURST")) {
        int balls = v.balls;
        if (balls < 1) {
            Log_Line("Path file " + name + ": BALLS=" + std::to_string(balls) + " read as 1");
            balls = 1;
        }
        if (Ensure_Track()) track->Burst_Add(balls, v.delay < 0 ? 0 : v.delay, v.min_pieces);
        st = St::Track;
    }
    return true;
}

bool Parser::Step_Element(const Path_Token& tok) {
    if (Is(tok, "COORD")) return Coord(v.ge_x) && Coord(v.ge_y) && Value(v.ge_z, 0, ZLIST_LAYERS - 1);
    if (Is(tok, "IMG_FILE")) return Value(v.img_file, 0, 9999);
    if (Is(tok, "ENDGE")) {
        if (Ensure_Track()) track->GElem_Add(v.ge_x, v.ge_y, v.ge_z, v.img_file);
        st = St::Track;
    }
    return true;
}

void Parser::Run() {
    Path_Token tok;
    bool more = true;
    while (more && Next(tok)) {
        switch (st) {
        case St::Outside:
            if (Is(tok, "PATH")) {
                end_zone_mark = alarm_mark = -1;
                st = St::Track;
            }
            break;
        case St::Track:
            more = Step_Track(tok);
            break;
        case St::Point:
            more = Step_Point(tok);
            break;
        case St::Burst:
            more = Step_Burst(tok);
            break;
        case St::Element:
            more = Step_Element(tok);
            break;
        }
    }
    if (track) Reject("no ENDPATH");
    if (clamped) Log_Line("Path file " + name + ": out-of-range numbers were clamped");
}
} // namespace

Path_Token Token_Next(const char* text, size_t size, size_t pos) {
    while (pos < size && text[pos] != 0 && Is_Separator(text[pos]))
        ++pos;
    size_t start = pos;
    while (pos < size && text[pos] != 0 && !Is_Separator(text[pos]))
        ++pos;
    // text[pos] must be a separator with one more character of the text behind it.
    bool ended = pos < size && text[pos] != 0 && pos + 1 < size && text[pos + 1] != 0;
    if (pos == start || !ended) return {};
    return {start, pos - start};
}

int Path_File_Parse_Text(const uint8_t* data, size_t size, const std::string& name,
                         const Path_File_Context& ctx) {
    Parser p{reinterpret_cast<const char*>(data), size, 0, name, ctx, Values{}};
    p.Run();
    return p.added;
}

bool Path_File_Parse(const std::string& path, const Path_File_Context& ctx) {
    Resource_Stream s;
    if (!Stream_Open(path, s)) {
        Log_Line("Failed opening path file: " + path);
        return false;
    }
    Path_File_Parse_Text(s.data, s.size, path, ctx);
    return true;
}
