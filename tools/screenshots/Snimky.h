// Pictures of the program's windows for the documentation and for review, rendered
// offscreen. Each window has one function in SnimkyOken.cpp that builds it in a typical state
// and hands it to TSnimkovac::Uloz.
#pragma once

#include <QString>

class QWidget;

class TSnimkovac {
public:
    TSnimkovac(QString slozka, QString pripona)
        : slozka_(std::move(slozka)), pripona_(std::move(pripona)) {}

    // Saves `okno` as <slozka>/<jmeno><pripona>.png: its contents under a plain title bar
    // with its caption and icon (offscreen windows have no frame of their own). `prekryv`
    // is an open popup (a menu) drawn over the window where it stands.
    void Uloz(QWidget* okno, const QString& jmeno, QWidget* prekryv = nullptr);

    int Chyby() const { return chyby_; }
    // The folder the pictures go to (a window may leave a document of its own there).
    const QString& Slozka() const { return slozka_; }

private:
    QString slozka_;
    QString pripona_;
    int chyby_ = 0;
};

struct TSnimekOkna {
    const char* jmeno;
    void (*snimek)(TSnimkovac&);
};

// Every window the tool knows, in the order they are rendered.
extern const TSnimekOkna kSnimkyOken[];
extern const int kPocetSnimkuOken;

// Writes the program icon as a Windows .ico file (sizes 16 to 256); false when it cannot.
bool UlozIkonuWindows(const QString& soubor);

// Writes the program icon as a square PNG file of `strana` pixels (the Linux desktop's icon
// theme); false when it cannot.
bool UlozIkonuPng(int strana, const QString& soubor);
