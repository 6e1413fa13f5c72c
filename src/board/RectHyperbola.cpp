#include "board/RectHyperbola.h"

#include <iterator>

namespace pelcor {

namespace {

// Centres on the board whose loop goes below c = -320 do so 43 times, in 32 rows. On the
// way down and back c changes by 5 / d per step, with d up to several thousand, so these
// stretches take nearly all of the loop's steps (7.1 million of 7.12 million for row 75)
// and plot nothing a board shows. Each entry was taken from the loop itself, walked step by
// step in doubles: its row, the first c at or below -320 (exactly), the first c above -320
// after it, and the steps between. The test of the rectangular hyperbola walks every row
// both ways and compares.
struct Stretch {
    int row;
    double from, to;
    long long steps;
};

constexpr Stretch kStretches[] = {
    {2, -0x1.b5cd70619381p+9, -0x1.3fffbc6b3d5d7p+8, 66679},
    {2, -0x1.9a30462cd4a01p+12, -0x1.3ffd0882c1ea7p+8, 4299891},
    {2, -0x1.cb5377d009cacp+8, -0x1.3fffacbd72ef4p+8, 10921},
    {5, -0x1.1d07c62798b4ap+10, -0x1.3ffdd967811d7p+8, 120610},
    {11, -0x1.24dcd737696c6p+9, -0x1.3ffe6bac96d42p+8, 24666},
    {12, -0x1.a9e8e6af09d18p+8, -0x1.3ffe30f5acaabp+8, 8160},
    {14, -0x1.92218e9143022p+8, -0x1.3ffca556afb2ep+8, 6166},
    {14, -0x1.9c30a368ae2f7p+8, -0x1.3fffb3ddbb1bfp+8, 7013},
    {15, -0x1.22b660a407077p+9, -0x1.3ffca08847a1dp+8, 24364},
    {15, -0x1.194810a229a6fp+10, -0x1.3ffc91c3a5e1cp+8, 118808},
    {17, -0x1.23908a1e61aa7p+10, -0x1.3ffc8da25b02fp+8, 128697},
    {18, -0x1.e857c884843ddp+11, -0x1.3ffc9ad8d8fdp+8, 1529118},
    {21, -0x1.908bb0bd81c63p+8, -0x1.3ffca785e4667p+8, 6147},
    {25, -0x1.42b9ced05ffe3p+11, -0x1.3ffe8f9c17d49p+8, 667756},
    {26, -0x1.c3e46f4a1b103p+10, -0x1.3ffd3768f9a01p+8, 324302},
    {33, -0x1.ef197b835f637p+8, -0x1.3fffe3097dc71p+8, 15437},
    {34, -0x1.bcbf2bd5cdbbcp+8, -0x1.3ffeaddffeb03p+8, 10395},
    {34, -0x1.5d38541078077p+8, -0x1.3ffec57c274e4p+8, 2156},
    {35, -0x1.40ff5c6633713p+8, -0x1.3fffe7977ff9dp+8, 71},
    {36, -0x1.174382bcc22edp+9, -0x1.3fff8758d157cp+8, 22685},
    {36, -0x1.968fb6787c45bp+12, -0x1.3ffefe8c874ep+8, 4266082},
    {42, -0x1.940ead94615ecp+11, -0x1.3ffd81a59ac2fp+8, 1059251},
    {45, -0x1.0d4ce6baa2b4bp+9, -0x1.3ffec8a1cd3e1p+8, 20748},
    {52, -0x1.e736b4c794ad3p+9, -0x1.3ffd11c449672p+8, 91551},
    {58, -0x1.8a29b99fa1d06p+9, -0x1.3ffd3e0cc6818p+8, 57363},
    {61, -0x1.52093418b062ap+8, -0x1.3fff4ee5cfc81p+8, 1408},
    {61, -0x1.5e75aa9e1fdb4p+9, -0x1.3ffdf362a2cbcp+8, 43556},
    {62, -0x1.0dbc9bb158773p+9, -0x1.3fff74f940aaep+8, 21596},
    {62, -0x1.b5a77d11ac296p+8, -0x1.3ffcd5186faaap+8, 10380},
    {72, -0x1.a15855ebce36cp+8, -0x1.3ffe29a7bc5cfp+8, 8585},
    {75, -0x1.0562096cd58eep+13, -0x1.3ffcfab33a44bp+8, 7106904},
    {76, -0x1.628696f0c86d6p+9, -0x1.3fff47eff1cfap+8, 45969},
    {81, -0x1.38e09e9452aecp+10, -0x1.3ffdb41fcd3fcp+8, 161526},
    {84, -0x1.24812c7af8a05p+9, -0x1.3ffd8f6ba8959p+8, 28450},
    {84, -0x1.14e873c19bcedp+9, -0x1.3ffd9e8f71df7p+8, 24372},
    {84, -0x1.82b9b479649bbp+9, -0x1.3ffedbd25d81ep+8, 57224},
    {84, -0x1.588ee6b68b051p+10, -0x1.3ffe3a088c3aep+8, 197545},
    {88, -0x1.aae8ab67a8417p+10, -0x1.3ffe1946bb0aep+8, 305855},
    {96, -0x1.0f23c787eb52cp+9, -0x1.3fff652f1529dp+8, 23446},
    {98, -0x1.60d515a4618d4p+8, -0x1.3ffdbd335267cp+8, 2855},
    {111, -0x1.a6843cb49ce79p+9, -0x1.3ffe743f8b623p+8, 72851},
    {114, -0x1.e05cc39c812eap+8, -0x1.3ffdc00d02744p+8, 16500},
    {132, -0x1.6260cbecb7cb7p+9, -0x1.3ffe71ff502b8p+8, 50277},
};

} // namespace

bool LeapBelowTheBoard(int y1, double& c, long long& steps) {
    for (const Stretch& s : kStretches) {
        if (s.row == y1 && s.from == c) {
            c = s.to;
            steps += s.steps;
            return true;
        }
    }
    return false;
}

} // namespace pelcor
