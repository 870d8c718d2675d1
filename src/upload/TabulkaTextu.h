// The plain table behind the point and code grids: a header row and at least one data row of
// cp1250 text cells, with the grid's add and delete rules and the remembered selected cell.
// The windows only display it; files, uploads and the code tree read it.
#pragma once

#include <string>
#include <vector>

class TTabulkaTextu {
public:
    using TRadek = std::vector<std::string>;

    int PocetSloupcu() const { return int(hlavicka_.size()); }
    // Data rows, numbered from 1 (row 0 is the header); never fewer than one.
    int PocetRadku() const { return int(radky_.size()); }

    const std::string& Hlavicka(int sloupec) const { return hlavicka_.at(std::size_t(sloupec)); }
    const std::string& Bunka(int radek, int sloupec) const;
    void NastavBunku(int radek, int sloupec, std::string text);
    const TRadek& Radek(int radek) const { return radky_.at(std::size_t(radek - 1)); }

    // Empty means every cell is the empty string; a cell of blanks is not empty.
    bool JePrazdnyRadek(int radek) const;

    // One data row with every cell emptied (InicializujTabulku). The remembered cell stays;
    // the file's separator is forgotten.
    void InicializujTabulku();
    // Appends an empty row after the last one, wherever the selection is.
    void PridejRadek();
    // Deletes the remembered row: nothing while nothing was selected (row 0) or when the row
    // lies beyond the last one; the only row is emptied instead of removed. The remembered
    // row is not changed, so a second delete removes the row that moved up into its place.
    // Returns whether the table changed.
    bool VymazVybranyRadek();

    // StringGridSelectCell: the cell the user selected last.
    void VyberBunku(int radek, int sloupec);
    int VybranyRadek() const { return vybranyRadek_; }
    int VybranySloupec() const { return vybranySloupec_; }

    // Room for a whole file's rows at once, so that reading a large file does not reallocate.
    void Rezervuj(int radku) { radky_.reserve(std::size_t(radku)); }

    // The separator at which the file read into the table was split (the window names it
    // when it is not the comma); 0 when no file with data was read since the last reset.
    char Oddelovac() const { return oddelovac_; }
    void NastavOddelovac(char oddelovac) { oddelovac_ = oddelovac; }

protected:
    explicit TTabulkaTextu(std::vector<std::string> hlavicka);

private:
    std::vector<std::string> hlavicka_;
    std::vector<TRadek> radky_;
    int vybranyRadek_ = 0;
    int vybranySloupec_ = 0;
    char oddelovac_ = 0;
};
