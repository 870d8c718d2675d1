// The window "Náhled měření": the stations and their points in a table, the site plan, the
// orientation of each station with its deviations, the factor (editable), known-points files
// and the protocol as a PDF. It shows what its computation hands it and computes again
// whenever the user changes the factor, the curvature switch or the known points.
#pragma once

#include "survey/qt/ModelNahledu.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TPlanMereni;

class TFormNahledMereni : public QDialog {
    Q_OBJECT
public:
    using TVypocet = std::function<TModelNahledu(const TVolbyNahledu& volby)>;
    // What "Exportovat…" does with the computed points: the main window hands in the export
    // dialog (this wing does not see the export wing's windows); without it the button is
    // disabled.
    using TExport = std::function<void(const TSeznamSouradnic& body, QWidget* okno)>;

    TFormNahledMereni(QWidget* rodic, TVypocet vypocet, TExport exportovat = {});

    const TVolbyNahledu& Volby() const { return volby_; }
    const TModelNahledu& Model() const { return model_; }

private slots:
    void E_FaktorEditingFinished();
    void Tl_ZnameBodyClick();
    void Tl_UlozProtokolClick();
    void Tl_ExportClick();

private:
    void Prepocitej();
    void Napln();
    // The plan and the table follow each other's selection.
    void RadekVybran();
    void BodVybran(int bodPlanu);

    TVypocet vypocet_;
    TExport exportovat_;
    TVolbyNahledu volby_;
    TModelNahledu model_;
    char oddelovac_;
    bool vyplnuje_ = false; // filling the controls: their signals are not the user's
    std::vector<QTreeWidgetItem*> radekBodu_; // the table row of each plan point

    QLabel* L_Soubor;
    QTreeWidget* TV_Mereni;
    TPlanMereni* PB_Plan;
    QTreeWidget* TV_Orientace;
    QPlainTextEdit* M_Upozorneni;
    QLineEdit* E_Faktor;
    QCheckBox* CB_ZakriveniARefrakce;
    QLabel* L_ZnameBody;
    QPushButton* Tl_ZnameBody;
    QPushButton* Tl_CelyPlan;
    QPushButton* Tl_UlozProtokol;
    QPushButton* Tl_Export;
    QPushButton* Tl_Zavri;
};
