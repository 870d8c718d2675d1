// The extent of the site parameters: the S-JTSK area in which the projection reduction holds,
// the altitudes at which anyone surveys in the Czech lands, and the scale factors they can give.
// The reduction itself, the parameters dialog and every command of merivox-cli take their
// bounds from here, so that what one accepts the others accept too.
#pragma once

struct TRozsah {
    double Od;
    double Do;
    constexpr bool Obsahuje(double hodnota) const { return hodnota >= Od && hodnota <= Do; }
};

// Metres; the bounds themselves are inside.
inline constexpr TRozsah kRozsahX{890000, 1380000};
// Y reaches 910000 so that the westernmost corner (the Aš region, Y up to about 905000) keeps
// its projection reduction.
inline constexpr TRozsah kRozsahY{137000, 910000};
// From the sea to above Sněžka (1603 m), with room for a mast or a survey from the air.
inline constexpr TRozsah kRozsahVysky{0, 2700};

// The scale factors that mean values inside the three ranges give, rounded outwards to the
// seven decimals the parameters dialog shows (so that a shown factor typed back is inside):
// about 0.9994768 to 1.0021998. Computed from the reduction formulas on first use.
TRozsah RozsahFaktoru();
