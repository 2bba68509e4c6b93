// The plain cutter used as the yardstick of the fast one.
#include "ReferenceCutter.h"

#include "platform/Random.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <set>
#include <utility>

namespace reference {
namespace {

constexpr uint32_t marker = 0x00FF00FF;

bool isLine(uint32_t v) {
    return (v & 0xFFFFFF) == 0xFFFFFF;
}
bool isFree(uint32_t v) {
    return (v & 0xFFFFFF) != 0xFFFFFF && (v & 0xFFFFFF) != 0xFFFF00;
}

uint32_t shift(uint32_t c, int by) {
    auto ch = [&](uint32_t v) { return static_cast<uint32_t>(std::clamp(static_cast<int>(v) + by, 0, 255)); };
    return platform::argb(255, ch(platform::redOf(c)), ch(platform::greenOf(c)), ch(platform::blueOf(c)));
}

struct Fill {
    platform::PixmapPtr pm;
    int left, top, right, bottom;
    std::vector<TWsp> edge;
};

Fill fill(const platform::Pixmap& picture, platform::Pixmap& lines, int x, int y, std::vector<int>& owner,
          int id) {
    const int maxX = picture.width() - 1, maxY = picture.height() - 1;
    Fill f{platform::Pixmap::create(800, 600, marker), 800, 800, 0, 0, {}};
    std::deque<TWsp> queue{TWsp(x, y, 0)};
    owner[y * picture.width() + x] = id;
    auto visit = [&](int nx, int ny) {
        const uint32_t l = lines.read(nx, ny);
        if (isFree(l)) {
            queue.emplace_back(nx, ny, 0);
            f.pm->write(nx, ny, picture.read(nx, ny));
            lines.write(nx, ny, 0xFFFFFF00);
            owner[ny * picture.width() + nx] = id;
        } else if (isLine(l)) {
            f.pm->write(nx, ny, picture.read(nx, ny));
            f.edge.emplace_back(nx, ny, 0);
        }
    };
    while (!queue.empty()) {
        const TWsp p = queue.front();
        queue.pop_front();
        if (p.y > 0) {
            f.top = std::min(f.top, p.y - 1);
            visit(p.x, p.y - 1);
        }
        if (p.x > 0) {
            f.left = std::min(f.left, p.x - 1);
            visit(p.x - 1, p.y);
        }
        if (p.x < maxX) {
            f.right = std::max(f.right, p.x + 1);
            visit(p.x + 1, p.y);
        }
        if (p.y < maxY) {
            f.bottom = std::max(f.bottom, p.y + 1);
            visit(p.x, p.y + 1);
        }
    }
    return f;
}

platform::PixmapPtr bevelLeft(const Fill& f) {
    auto dst = platform::Pixmap::create(f.right - f.left + 1, f.bottom - f.top + 1, marker);
    uint32_t prev = 0;
    for (int y = f.top; y <= f.bottom; ++y) {
        int e = 0;
        for (int x = f.left; x <= f.right; ++x) {
            const uint32_t cur = f.pm->read(x, y);
            if ((prev == marker || x == f.left) && cur != marker) e = 3;
            if (cur != marker && e > 0) {
                dst->write(x - f.left, y - f.top, shift(cur, 15 * e));
                --e;
            } else {
                dst->write(x - f.left, y - f.top, cur);
            }
            prev = cur;
        }
    }
    return dst;
}

void bevelTopBottom(platform::Pixmap& p, const Fill& f) {
    uint32_t prev = 0;
    for (int x = 0; x <= f.right - f.left; ++x) {
        int b = 0;
        std::deque<TWsp> recent;
        for (int y = 0; y <= f.bottom - f.top; ++y) {
            const uint32_t cur = p.read(x, y);
            uint32_t out = cur;
            if ((prev == marker || y == 0) && cur != marker) b = 3;
            if (prev != marker && cur == marker) {
                for (size_t k = 0; k < recent.size(); ++k) {
                    const TWsp& r = recent[k];
                    if (static_cast<uint32_t>(r.value) != marker) {
                        p.write(r.x, r.y, shift(static_cast<uint32_t>(r.value), -25 * static_cast<int>(k)));
                    }
                }
            }
            if (cur != marker && b > 0) {
                out = shift(cur, 15 * b);
                --b;
            }
            p.write(x, y, out);
            recent.emplace_back(x, y, static_cast<int>(cur));
            if (recent.size() > 4) recent.pop_front();
            prev = cur;
        }
    }
}

} // namespace

Result cut(const platform::Pixmap& picture, platform::Pixmap& lines) {
    Result result;
    const int width = picture.width(), height = picture.height();
    std::vector<int> owner(width * height, -1);
    for (int i = 5; i <= height / 5 - 1; ++i) {
        for (int j = 5; j <= width / 5 - 1; ++j) {
            if (!isFree(lines.read(5 * j - 2, 5 * i - 2))) continue;
            Fill f =
                fill(picture, lines, 5 * j - 2, 5 * i - 2, owner, static_cast<int>(result.inOrder.size()));
            auto image = bevelLeft(f);
            bevelTopBottom(*image, f);
            for (int y = 0; y < image->height(); ++y) {
                for (int x = 0; x < image->width(); ++x) {
                    const uint32_t v = image->read(x, y);
                    image->write(x, y, (v & 0xFFFFFF) == 0xFF00FF ? (v & 0xFFFFFF) : (v | 0xFF000000u));
                }
            }
            Piece piece;
            piece.id = static_cast<int>(result.inOrder.size());
            piece.homeX = static_cast<float>(f.left);
            piece.homeY = static_cast<float>(f.top);
            piece.image = image;
            piece.edge = std::move(f.edge);
            result.inOrder.push_back(std::move(piece));
        }
    }

    // A pixel no fill reached, with only line pixels beside it, goes to the pieces that took a diagonal
    // neighbour.
    auto line = [&](int x, int y) {
        return x < 0 || y < 0 || x >= width || y >= height || isLine(lines.read(x, y));
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (owner[y * width + x] >= 0 || !line(x, y - 1) || !line(x - 1, y) || !line(x + 1, y) ||
                !line(x, y + 1)) {
                continue;
            }
            for (int dy : {-1, 1}) {
                for (int dx : {-1, 1}) {
                    if (x + dx < 0 || y + dy < 0 || x + dx >= width || y + dy >= height) continue;
                    const int id = owner[(y + dy) * width + x + dx];
                    if (id < 0) continue;
                    Piece& p = result.inOrder[id];
                    const uint32_t c = picture.read(x, y);
                    p.image->write(x - static_cast<int>(p.homeX), y - static_cast<int>(p.homeY),
                                   (c & 0xFFFFFF) == 0xFF00FF ? (c & 0xFFFFFF) : (c | 0xFF000000u));
                }
            }
        }
    }

    std::vector<std::set<std::pair<int, int>>> edgeSets;
    for (const Piece& p : result.inOrder) {
        std::set<std::pair<int, int>> s;
        for (const TWsp& e : p.edge) s.emplace(e.x, e.y);
        edgeSets.push_back(std::move(s));
    }
    for (Piece& p : result.inOrder) {
        int count = 0;
        for (const TWsp& e : p.edge) {
            if (count % 15 == 0 && e.x > 0 && e.x < width - 1 && e.y > 0 && e.y < height - 1) {
                for (const Piece& q : result.inOrder) {
                    if (q.id == p.id || !edgeSets[q.id].count({e.x, e.y})) continue;
                    if (std::any_of(p.links.begin(), p.links.end(),
                                    [&](const Link& l) { return l.neighbourId == q.id; })) {
                        continue;
                    }
                    Link l{q.id,
                           0,
                           static_cast<int>(std::fabs(p.homeX - q.homeX)),
                           static_cast<int>(std::fabs(p.homeY - q.homeY)),
                           q.homeX < p.homeX ? 1 : (q.homeX > p.homeX ? -1 : 0),
                           q.homeY < p.homeY ? 1 : (q.homeY > p.homeY ? -1 : 0)};
                    l.distance = std::sqrt(static_cast<float>(l.dx * l.dx + l.dy * l.dy));
                    p.links.push_back(l);
                    break;
                }
            }
            ++count;
        }
    }

    std::vector<int> order;
    for (const Piece& p : result.inOrder) order.push_back(p.id);
    for (int round = 0; round < 100 && !order.empty(); ++round) {
        const int n = static_cast<int>(order.size());
        const int a = platform::Rand(1, n), b = platform::Rand(1, n);
        std::vector<int> next;
        for (int k = 1; k <= n; ++k) {
            if (k != a && k != b) next.push_back(order[k - 1]);
        }
        next.push_back(order[a - 1]);
        if (a != b) next.push_back(order[b - 1]);
        order = std::move(next);
    }
    result.shuffled = std::move(order);
    return result;
}

} // namespace reference
