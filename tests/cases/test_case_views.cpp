#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string_view>
#include <vector>

#include "cases/OllCases.h"
#include "cases/TopView.h"

namespace kestive {
namespace {

// A top view drawn as five rows of five signs, as the picture shows it: the first and last rows hold the
// back and front bars (middle three signs), the three rows between hold the left bar, the three U stickers
// and the right bar. 'Y' is yellow, anything else not; the four corner signs are ignored.
TopView drawn(const std::array<std::string_view, 5>& rows) {
    TopView view;
    for (std::size_t i = 0; i < 3; ++i) {
        view.back[i] = rows[0][i + 1] == 'Y';
        view.front[i] = rows[4][i + 1] == 'Y';
        view.left[i] = rows[i + 1][0] == 'Y';
        view.right[i] = rows[i + 1][4] == 'Y';
        for (std::size_t j = 0; j < 3; ++j) {
            view.up[i * 3 + j] = rows[i + 1][j + 1] == 'Y';
        }
    }
    return view;
}

// Corners clockwise from the back-left as seen from above, each with its U sticker and its two side
// stickers, the side stickers in clockwise order round the corner; edges back, right, front, left.
struct Sides {
    bool* up;
    bool* first;
    bool* second;
};
std::array<Sides, 4> corners(TopView& v) {
    return {{{&v.up[0], &v.back[0], &v.left[0]},
             {&v.up[2], &v.right[0], &v.back[2]},
             {&v.up[8], &v.front[2], &v.right[2]},
             {&v.up[6], &v.left[2], &v.front[0]}}};
}
std::array<std::pair<bool*, bool*>, 4> edges(TopView& v) {
    return {{{&v.up[1], &v.back[1]}, {&v.up[5], &v.right[1]}, {&v.up[7], &v.front[1]}, {&v.up[3], &v.left[1]}}};
}

// The top view of given corner twists (0 yellow up, 1 and 2 yellow on the first or second side) and edge
// flips (0 yellow up, 1 yellow on the side).
TopView fromOrientation(const std::array<int, 4>& twist, const std::array<int, 4>& flip) {
    TopView view;
    view.up[4] = true;
    const auto c = corners(view);
    const auto e = edges(view);
    for (std::size_t i = 0; i < 4; ++i) {
        *(twist[i] == 0 ? c[i].up : twist[i] == 1 ? c[i].first : c[i].second) = true;
        *(flip[i] == 0 ? e[i].first : e[i].second) = true;
    }
    return view;
}

// Twists and flips read back from a view in which every piece shows yellow exactly once; false otherwise.
bool orientationOf(TopView view, std::array<int, 4>& twist, std::array<int, 4>& flip) {
    const auto c = corners(view);
    const auto e = edges(view);
    if (!view.up[4]) {
        return false;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        if (int(*c[i].up) + int(*c[i].first) + int(*c[i].second) != 1 || int(*e[i].first) + int(*e[i].second) != 1) {
            return false;
        }
        twist[i] = *c[i].up ? 0 : *c[i].first ? 1 : 2;
        flip[i] = *e[i].first ? 0 : 1;
    }
    return true;
}

// All orientation states of the last layer that a cube can be in: corner twists summing to a multiple
// of three, an even number of flipped edges.
std::vector<TopView> allOrientationStates() {
    std::vector<TopView> states;
    for (int t = 0; t < 81; ++t) {
        const std::array<int, 4> twist = {t % 3, t / 3 % 3, t / 9 % 3, t / 27};
        if ((twist[0] + twist[1] + twist[2] + twist[3]) % 3 != 0) {
            continue;
        }
        for (int f = 0; f < 16; ++f) {
            const std::array<int, 4> flip = {f & 1, f >> 1 & 1, f >> 2 & 1, f >> 3 & 1};
            if ((flip[0] + flip[1] + flip[2] + flip[3]) % 2 == 0) {
                states.push_back(fromOrientation(twist, flip));
            }
        }
    }
    return states;
}

// The number of classes of views that are equal up to U turns.
std::size_t classCount(const std::vector<TopView>& views) {
    std::vector<TopView> representatives;
    for (const TopView& v : views) {
        bool known = false;
        for (const TopView& r : representatives) {
            known = known || sameCase(v, r);
        }
        if (!known) {
            representatives.push_back(v);
        }
    }
    return representatives.size();
}

std::vector<TopView> derivedCases() {
    std::vector<TopView> views;
    for (int pll = 0; pll < kCaseCount; ++pll) {
        views.push_back(ollCaseView(pll));
    }
    return views;
}

const TopView kSolved = drawn({" ... ",
                               ".YYY.",
                               ".YYY.",
                               ".YYY.",
                               " ... "});

TEST(CaseViews, UTurnOfTheCubeTurnsThePictureClockwise) {
    for (int pll : {0, 8, 26, 43, 56}) {
        Cube cube;
        cube.apply(inverse(*parseAlgorithm(ollCases()[static_cast<std::size_t>(pll)].algorithm)));
        const TopView before = topView(cube);
        cube.apply(Move{MoveKind::U, 1});
        EXPECT_EQ(topView(cube), turnedU(before)) << "case " << pll + 1;
    }
    const TopView arrow = drawn({" Y.. ",
                                 "..Y..",
                                 ".YY..",
                                 ".....",
                                 " ... "});
    const TopView turned = drawn({" ... ",
                                  "..Y.Y",
                                  "..YY.",
                                  ".....",
                                  " ... "});
    EXPECT_EQ(turnedU(arrow), turned);
    EXPECT_TRUE(sameCase(arrow, turned));
    EXPECT_FALSE(sameCase(arrow, kSolved));
}

TEST(CaseViews, TheLastLayerHas216OrientationStatesIn58ClassesModuloUTurns) {
    const std::vector<TopView> states = allOrientationStates();
    ASSERT_EQ(states.size(), 216u);
    std::set<std::vector<bool>> distinct;
    for (const TopView& s : states) {
        std::vector<bool> key(s.up.begin(), s.up.end());
        for (const auto* side : {&s.back, &s.front, &s.left, &s.right}) {
            key.insert(key.end(), side->begin(), side->end());
        }
        distinct.insert(key);
    }
    EXPECT_EQ(distinct.size(), 216u);
    EXPECT_EQ(classCount(states), 58u);
}

TEST(CaseViews, The57CasesAndSolvedAreAll58Classes) {
    const std::vector<TopView> cases = derivedCases();
    const std::vector<TopView> states = allOrientationStates();
    for (int i = 0; i < kCaseCount; ++i) {
        const TopView& v = cases[static_cast<std::size_t>(i)];
        std::array<int, 4> twist{}, flip{};
        ASSERT_TRUE(orientationOf(v, twist, flip)) << "case " << i + 1 << " is no last layer";
        EXPECT_NE(std::find(states.begin(), states.end(), v), states.end()) << "case " << i + 1 << " cannot occur";
        EXPECT_FALSE(sameCase(v, kSolved)) << "case " << i + 1 << " is solved";
        for (int j = 0; j < i; ++j) {
            EXPECT_FALSE(sameCase(v, cases[static_cast<std::size_t>(j)])) << "cases " << j + 1 << " and " << i + 1;
        }
    }
    std::vector<TopView> withSolved = cases;
    withSolved.push_back(kSolved);
    EXPECT_EQ(classCount(withSolved), 58u);
    EXPECT_EQ(classCount(withSolved), classCount(states));
}

int orientedEdges(const TopView& v) { return int(v.up[1]) + int(v.up[3]) + int(v.up[5]) + int(v.up[7]); }
int orientedCorners(const TopView& v) { return int(v.up[0]) + int(v.up[2]) + int(v.up[6]) + int(v.up[8]); }

TEST(CaseViews, KnownGroups) {
    for (int pll = 0; pll < kCaseCount; ++pll) {
        const int number = pll + 1;
        const TopView v = ollCaseView(pll);
        const bool dot = (number >= 1 && number <= 4) || (number >= 17 && number <= 20);
        EXPECT_EQ(orientedEdges(v) == 0, dot) << "case " << number;
        EXPECT_EQ(orientedEdges(v) == 4, number >= 21 && number <= 27) << "case " << number;
        EXPECT_EQ(orientedCorners(v) == 4, number == 20 || number == 28 || number == 57) << "case " << number;
    }
}

// Recognition pictures every cuber knows, up to a U turn.
TEST(CaseViews, WellKnownCasesLookAsCubersKnowThem) {
    struct Known {
        int number;
        std::array<std::string_view, 5> picture;
    };
    const std::vector<Known> known = {
        {21, {" ... ", "Y.Y.Y", ".YYY.", "Y.Y.Y", " ... "}},  // H: headlights left and right
        {22, {" ..Y ", "Y.Y..", ".YYY.", "Y.Y..", " ..Y "}},  // Pi: headlights left, right corners outwards
        {23, {" ... ", ".YYY.", ".YYY.", "..Y..", " Y.Y "}},  // headlights: back corners up, front pair forwards
        {24, {" Y.. ", "..YY.", ".YYY.", "..YY.", " Y.. "}},  // T (chameleon): left pair facing apart
        {25, {" ..Y ", ".YY..", ".YYY.", "Y.YY.", " ... "}},  // bowtie: two opposite corners up
        {27, {" Y.. ", "..Y.Y", ".YYY.", ".YY..", " ..Y "}},  // sune: front-left up, front-right yellow in front
        {26, {" ..Y ", "Y.Y..", ".YYY.", "..YY.", " Y.. "}},  // anti-sune: the mirror image of sune
        {20, {" .Y. ", ".Y.Y.", "Y.Y.Y", ".Y.Y.", " .Y. "}},  // X: corners up, every edge flipped
        {57, {" .Y. ", ".Y.Y.", ".YYY.", ".Y.Y.", " .Y. "}},  // H-shaped: back and front edges flipped
        {28, {" .Y. ", ".Y.Y.", "Y.YY.", ".YYY.", " ... "}},  // arrow: back and left edges flipped
        {1, {" .Y. ", "Y...Y", "Y.Y.Y", "Y...Y", " .Y. "}},   // dot with H corners, every edge flipped
    };
    for (const Known& k : known) {
        EXPECT_TRUE(sameCase(ollCaseView(k.number - 1), drawn(k.picture))) << "case " << k.number;
    }
}

}  // namespace
}  // namespace kestive
