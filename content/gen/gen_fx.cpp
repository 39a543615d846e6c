// Art of the effect sprites: pearl explosions and halos, sparks and glints, fragments and
// chain pieces, the hammer smash, rings, the star-burst comet, fire and smoke. Images the game
// tints by a pearl's colour are white and grey; images added as light have bright cores and
// fully transparent surroundings.
#include <cmath>
#include <string>
#include "content/gen/gen_fx_draw.h"
#include "content/gen/gen_groups.h"

namespace {
const Gen_Rgb kWhite = {1, 1, 1};
const Gen_Rgb kGold = {1, 0.84, 0.45};
const Gen_Rgb kFlame = {1, 0.42, 0.07};
const Gen_Rgb kHot = {1, 0.86, 0.5};

// n rays around (cx, cy) from radius r0 to r1, first at angle `turn`, brightness k fading out.
void Rays(Fx_Light& l, double cx, double cy, int n, double r0, double r1, double turn, double hw, Gen_Rgb c,
          double k) {
    for (int i = 0; i < n; ++i) {
        double a = turn + i * 2 * M_PI / n, ca = std::cos(a), sa = std::sin(a);
        l.Streak(cx + r0 * ca, cy + r0 * sa, cx + r1 * ca, cy + r1 * sa, hw, c, k, 0);
    }
}

// Pearl explosion: a white flash that fades, a billowing cloud and a soft shock wave that
// spread, thin sparks streaking outward.
void Explosion(const Manifest_Entry& e, Gen_Canvas& c) {
    const double R = 38, m = 40;
    for (int f = 0; f < e.frames; ++f) {
        double t = f / (e.frames - 1.0), fade = 1 - t;
        Fx_Light l(e.frame_w, e.frame_h);
        Gen_Rng rng("explosion_grey");
        double body = R * (0.35 + 0.5 * t);
        l.Field({0.85, 0.85, 0.85}, [&](double x, double y) {
            double dx = x - m, dy = y - m, d = std::sqrt(dx * dx + dy * dy);
            double n = Gen_Fbm(dx / 11 + 4, dy / 11 + 4, 3, 5);
            double reach = body * (0.7 + 0.5 * n);
            return d >= reach ? 0.0
                              : 1.5 * std::pow(fade, 1.2) * std::pow(1 - d / reach, 0.7) * (0.5 + 0.7 * n);
        });
        l.Glow(m, m, R * (0.5 - 0.2 * t), kWhite, 3.5 * fade * fade, 2.5);
        l.Ring(m, m, R * (0.3 + 0.62 * t), 3 + 4 * fade, kWhite, 0.8 * fade);
        for (int i = 0; i < 16; ++i) {
            double a = (i + rng.Range(-0.35, 0.35)) * M_PI / 8, v = rng.Range(0.6, 1), ca = std::cos(a),
                   sa = std::sin(a);
            double r1 = R * (0.25 + 0.72 * t) * v, r0 = std::max(0.0, r1 - R * 0.3 * (1 - 0.4 * t));
            l.Streak(m + r0 * ca, m + r0 * sa, m + r1 * ca, m + r1 * sa, 1.1, kWhite, 0, 1.8 * fade);
        }
        for (int i = 0; i < 10; ++i) {
            double a = rng.Range(0, 2 * M_PI), r = R * (0.15 + 0.75 * t) * rng.Range(0.4, 0.9);
            l.Glow(m + r * std::cos(a), m + r * std::sin(a), 2.2, kWhite, 1.5 * fade, 1);
        }
        l.Put(c, e, f);
    }
}

// Halos round a destroyed pearl: a soft-edged ring with a faint inner glow (the small one
// grows into a wave), and a broad soft glow (the big one, under the pearls).
void Halo(const Manifest_Entry& e, Gen_Canvas& c, bool ring) {
    Fx_Light l(e.frame_w, e.frame_h);
    // Drawn added as light, tinted, several at once and scaled up to four times: moderate
    // brightness keeps overlapping waves coloured instead of burning to white.
    if (ring) {
        l.Ring(64, 64, 48, 7, kWhite, 0.45);
        l.Ring(64, 64, 48, 2, kWhite, 0.5);
        l.Glow(64, 64, 56, kWhite, 0.06, 0);
    } else {
        l.Glow(64, 64, 63, kWhite, 0.75, 2.5);
        l.Ring(64, 64, 34, 14, kWhite, 0.18);
    }
    l.Put(c, e, 0);
}

// Glints and soft sparks: a bright middle, `rays` thin rays (0 for a plain soft spark), a halo.
void Glint(const Manifest_Entry& e, Gen_Canvas& c, Gen_Rgb tint, int rays, double ray_len) {
    Fx_Light l(e.frame_w, e.frame_h);
    double m = e.frame_w / 2.0, r = m - 0.5;
    l.Glow(m, m, r, tint, rays ? 0.45 : 0.9, rays ? 1 : 0.5);
    if (rays)
        Rays(l, m, m, rays, 0, r * ray_len, -M_PI / 2, std::max(0.9, r * 0.1), Gen_Mix(tint, kWhite, 0.5),
             1.8);
    if (rays > 4) Rays(l, m, m, 4, 0, r * 0.5, -M_PI / 4, std::max(0.8, r * 0.07), tint, 1);
    l.Glow(m, m, r * 0.45, kWhite, 2.8, 2);
    l.Put(c, e, 0, 1);
}

// Tiny looping twinkle: a dot whose cross of rays turns and pulses.
void Spark8(const Manifest_Entry& e, Gen_Canvas& c) {
    for (int f = 0; f < e.frames; ++f) {
        double p = f / static_cast<double>(e.frames);
        double pulse = 0.5 + 0.5 * std::cos(2 * M_PI * p * 2);
        Fx_Light l(8, 8);
        l.Glow(4, 4, 3.9, kWhite, 0.5, 0);
        l.Glow(4, 4, 2.4, kWhite, 1.6 + 1.4 * pulse, 1);
        Rays(l, 4, 4, 4, 0, 2.4 + 1.4 * pulse, p * M_PI / 2, 0.75, kWhite, 1.2 * pulse + 0.4);
        l.Put(c, e, f, 0.8);
    }
}

// Flame puff: a noisy orange body round a yellow-white core; `seed` varies the shape.
void Flame(Fx_Light& l, double cx, double cy, double r, int seed, Gen_Rgb outer, double k) {
    l.Field(outer, [&](double x, double y) {
        double dx = x - cx, dy = y - cy, d = std::sqrt(dx * dx + dy * dy);
        double a = std::atan2(dy, dx);
        double n = Gen_Fbm(std::cos(a) * 1.6 + seed, std::sin(a) * 1.6 + d / r, 3, seed);
        double reach = r * (0.55 + 0.45 * n);
        return d >= reach ? 0.0 : k * std::pow(1 - d / reach, 1.3);
    });
    l.Glow(cx, cy, r * 0.45, kHot, 1.8, 1.5);
}

void Flame_Single(const Manifest_Entry& e, Gen_Canvas& c, Gen_Rgb outer, int seed) {
    Fx_Light l(e.frame_w, e.frame_h);
    double m = e.frame_w / 2.0;
    Flame(l, m, m, m - 1, seed, outer, 1.8);
    l.Put(c, e, 0, 1);
}

// Flame orb trail: three different wisps of fire with a few embers.
void Flame_Wisps(const Manifest_Entry& e, Gen_Canvas& c) {
    for (int f = 0; f < e.frames; ++f) {
        Fx_Light l(e.frame_w, e.frame_h);
        Gen_Rng rng("rev_clear_sparks" + std::to_string(f));
        Flame(l, 35, 35, 30, 20 + f * 7, {1, 0.32, 0.05}, 1.5);
        for (int i = 0; i < 5; ++i)
            l.Glow(rng.Range(14, 56), rng.Range(14, 56), 2.4, kHot, 1.4, 1);
        l.Put(c, e, f);
    }
}

// Hammer smash: a golden vortex of three spiral arms and a soft ring closing in on the pearl
// while the core heats up to a white flash on the last frames.
void Hammer_Smash(const Manifest_Entry& e, Gen_Canvas& c) {
    const double m = 64;
    for (int f = 0; f < e.frames; ++f) {
        double t = f / (e.frames - 1.0);
        Fx_Light l(128, 128);
        Gen_Rng rng("Hammer_Smash1");
        double R = 50 * std::pow(1 - t, 0.8) + 6;
        l.Ring(m, m, R, 5 + 2 * t, kGold, 0.35 + 0.9 * t);
        for (int arm = 0; arm < 3; ++arm) {
            std::vector<std::array<double, 3>> pts;
            for (int i = 0; i <= 32; ++i) {
                double s = i / 32.0, a = arm * 2 * M_PI / 3 + s * 2.6 + t * 4, r = R * (1.05 - 0.9 * s);
                pts.push_back({m + r * std::cos(a), m + r * std::sin(a), (0.5 + 1.6 * t) * (0.2 + s)});
            }
            l.Path(pts, 3.2, kGold);
        }
        for (int i = 0; i < 12; ++i) {
            double a = rng.Range(0, 2 * M_PI) + t * 2.2, r = R * rng.Range(0.5, 1.05);
            l.Glow(m + r * std::cos(a), m + r * std::sin(a), 3, kHot, 1.6, 1);
        }
        l.Glow(m, m, 8 + 14 * t, kWhite, 0.5 + 2.5 * t * t, 1.5);
        if (t > 0.84) l.Glow(m, m, 24 + 36 * (t - 0.84) / 0.16, kWhite, 1.6, 1);
        l.Put(c, e, f);
    }
}

// Expanding ring wave: small and bright, then wide, thin and faint.
void Circle_Wave(const Manifest_Entry& e, Gen_Canvas& c) {
    for (int f = 0; f < e.frames; ++f) {
        double t = f / (e.frames - 1.0), fade = 1 - t;
        double r = 4 + 25 * t;
        Fx_Light l(64, 64);
        l.Ring(32, 32, r, 1.4 + 2.6 * fade, kWhite, 1.9 * std::pow(fade, 0.7) + 0.08);
        l.Field(kWhite, [&](double x, double y) {
            double d = std::sqrt((x - 32) * (x - 32) + (y - 32) * (y - 32)) / r;
            return d >= 1 ? 0.0 : 0.4 * fade * d * d;
        });
        l.Put(c, e, f);
    }
}

// Star-burst comet, flying toward the bottom of the image: a bright head inside a bow of light,
// streaks trailing upward and sparkles streaming back along them.
void Random_Bomb(const Manifest_Entry& e, Gen_Canvas& c) {
    const double hx = 40, hy = 34;
    for (int f = 0; f < e.frames; ++f) {
        double p = f / static_cast<double>(e.frames), pulse = 1 + 0.25 * std::sin(2 * M_PI * p * 3);
        Fx_Light l(80, 51);
        Gen_Rng rng("FX_Random_Bomb");
        l.Field(kWhite, [&](double x, double y) {
            double ex = (x - hx) / 28, ey = (y - hy + 5) / 12, d = std::sqrt(ex * ex + ey * ey);
            double front = Fx_Smooth(-0.6, 0.5, ey);
            return 1.3 * pulse * front * std::exp(-std::pow((d - 1) / 0.16, 2));
        });
        l.Field(kWhite, [&](double x, double y) {
            double back = hy - y;
            if (back <= 0) return 0.0;
            double spread = 4 + 0.45 * back, dx = (x - hx) / spread;
            double streaks = 0.75 + 0.25 * std::cos(dx * 9 + back * 0.08);
            return 1.4 * pulse * streaks * std::exp(-dx * dx * 2) * (1 - Fx_Smooth(0, hy - 3, back));
        });
        for (int i = 0; i < 10; ++i) {
            double lane = rng.Range(-14, 14), s = rng.Next();
            double back = std::fmod(s + p * 2, 1.0);
            l.Glow(hx + lane * (1 + back), hy - 2 - back * 30, 2.2, kWhite, 1.6 * (1 - back), 1);
        }
        l.Glow(hx, hy - 2, 20, kWhite, 0.6, 1);
        l.Glow(hx, hy, 9, kWhite, 3 * pulse, 2);
        l.Put(c, e, f);
    }
}

// Hammer charge sparks: a white star with a soft halo (the second also with a ring).
void Charge_Spark(const Manifest_Entry& e, Gen_Canvas& c, bool big) {
    Fx_Light l(32, 32);
    l.Glow(16, 16, 15, kWhite, 0.7, 0.5);
    Rays(l, 16, 16, big ? 8 : 4, 0, big ? 15 : 14, big ? 0 : -M_PI / 2, 1.3, kWhite, 1.6);
    if (big) l.Ring(16, 16, 10, 2, kWhite, 0.6);
    l.Glow(16, 16, 6, kWhite, 3, 1.5);
    l.Put(c, e, 0, 1);
}

// Freeze wave: a frosty disc with six branched ice spokes and a bright rim.
void Frost(const Manifest_Entry& e, Gen_Canvas& c) {
    const Gen_Rgb ice = {0.6, 0.85, 1}, pale = {0.85, 0.95, 1};
    Fx_Light l(128, 128);
    l.Glow(64, 64, 62, ice, 0.9, 0.5);
    l.Ring(64, 64, 51, 6, pale, 0.7);
    for (int k = 0; k < 6; ++k) {
        double a = k * M_PI / 3, ca = std::cos(a), sa = std::sin(a);
        l.Streak(64 + 6 * ca, 64 + 6 * sa, 64 + 50 * ca, 64 + 50 * sa, 2.4, pale, 1.3, 0.4);
        for (double at : {20.0, 33.0})
            for (int s = -1; s <= 1; s += 2) {
                double b = a + s * 0.75, bx = 64 + at * ca, by = 64 + at * sa, len = 34 - at * 0.6;
                l.Streak(bx, by, bx + len * 0.5 * std::cos(b), by + len * 0.5 * std::sin(b), 1.8, pale, 1,
                         0.2);
            }
    }
    l.Glow(64, 64, 11, pale, 1.6, 1);
    l.Put(c, e, 0);
}

// Life sparks: a rosy glint and a small golden star.
void Life_Sparks(const Manifest_Entry& e, Gen_Canvas& c) {
    for (int f = 0; f < 2; ++f) {
        Fx_Light l(24, 24);
        Gen_Rgb tint = f ? Gen_Rgb{1, 0.82, 0.35} : Gen_Rgb{1, 0.45, 0.65};
        l.Glow(12, 12, 11.5, tint, 0.5, 1);
        Rays(l, 12, 12, f ? 6 : 4, 0, f ? 8 : 11, f ? 0 : -M_PI / 2, 1.4, tint, 1.8);
        l.Glow(12, 12, 4.5, kWhite, 2.8, 1.5);
        l.Put(c, e, f, 1);
    }
}
} // namespace

void Gen_DrawFx(const Manifest_Entry& e, Gen_Canvas& c) {
    auto is = [&](const char* file) { return e.name == std::string(".\\images\\FX\\") + file + ".png"; };
    if (Fx_DrawWeather(e, c)) return;
    if (is("explosion_grey")) return Explosion(e, c);
    if (is("grey_halo1") || is("grey_halo3")) return Halo(e, c, is("grey_halo1"));
    if (is("spark8")) return Spark8(e, c);
    if (is("spark3")) return Glint(e, c, kWhite, 0, 0);
    if (is("spark4")) return Glint(e, c, kWhite, 4, 0.95);
    if (is("spark_mm")) return Glint(e, c, {1, 0.93, 0.78}, 8, 1);
    if (is("win_pc_spark")) return Glint(e, c, kGold, 4, 1);
    if (is("fireball_spark")) return Flame_Single(e, c, kFlame, 3);
    if (is("small_fire_part")) return Flame_Single(e, c, {1, 0.3, 0.05}, 9);
    if (is("rev_clear_sparks")) return Flame_Wisps(e, c);
    if (is("Hammer_Smash1")) return Hammer_Smash(e, c);
    if (is("circle_wave")) return Circle_Wave(e, c);
    if (is("FX_Random_Bomb")) return Random_Bomb(e, c);
    if (is("FX_Hammer_start1") || is("FX_Hammer_start2")) return Charge_Spark(e, c, is("FX_Hammer_start2"));
    if (is("FX_Pause")) return Frost(e, c);
    if (is("newlife_sparks")) return Life_Sparks(e, c);
    Fx_DrawPieces(e, c);
}
