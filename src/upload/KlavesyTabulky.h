// What a key released in the point or code grid does (StringGridKeyUp), apart from the grid.
// Key codes are those of the Windows virtual keys the program was designed for; the window
// maps its toolkit's keys onto them.
#pragma once

constexpr int kKlavesaInsert = 45;
constexpr int kKlavesaDelete = 46;

// Modifier keys held at the release, as a set of bits.
enum TModifikator : unsigned {
    mdShift = 1u << 0,
    mdCtrl = 1u << 1,
    mdAlt = 1u << 2,
    mdMeta = 1u << 3,
};

enum class TAkceKlavesy {
    akZadna,
    akPridejRadek, // as A_PridejBod / A_PridejKod
    akVymazRadek,  // as A_VymazBod / A_VymazKod
};

// Insert adds a row whatever modifiers are held; Delete deletes only with Ctrl alone, so that
// a plain Delete keeps its meaning inside the cell editor.
TAkceKlavesy StringGridKeyUp(int klavesa, unsigned modifikatory);
