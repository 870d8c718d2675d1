// The code window "Zápis kódů": the code table in a grid with the code tree beside it, the
// COD code files and the code upload.
#pragma once

#include "upload/qt/OknoZapisu.h"
#include "upload/TabulkaKodu.h"

class QTreeWidget;

class TFormZapisKodu : public TFormZapisTabulky {
    Q_OBJECT
public:
    TFormZapisKodu(QWidget* rodic, TComDriver& driver);

    TTabulkaKodu& Kody() { return static_cast<TTabulkaKodu&>(Tabulka()); }

    QTreeWidget* TreeView;

    // Builds the tree from the table, from scratch.
    void ObnovStrom();

protected:
    bool NactiSoubor(const std::filesystem::path& soubor) override;
    bool UlozSoubor(const std::filesystem::path& soubor) override;
    std::string ObsahSouboru() const override;
    std::optional<std::string> PripravZapis() override;
    void PoZmeneTabulky() override { ObnovStrom(); }
};
