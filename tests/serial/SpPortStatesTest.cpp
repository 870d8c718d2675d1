// What the port list knows of each port, without a window: probes against devices the test
// controls, and the look each state gets under each option set.
#include "serial/SpPortStates.h"

#include "serial/TestLinka.h"
#include "serial/TestNastaveni.h"

#include <gtest/gtest.h>

namespace {

using enum TSpPortState;

TEST(SpPortStates, ProbeTellsFreeAndMissingPortsAndKeepsNothing) {
    TTestNastaveni nastaveni; // every COM port leads to a missing file unless mapped below
    const auto volna = VytvorTestLinku();
    nastaveni.Mapuj(1, volna->Zarizeni());
    nastaveni.Mapuj(4, volna->ChybejiciZarizeni());

    EXPECT_EQ(SpProbePort(1), psFree);
    EXPECT_EQ(SpProbePort(3), psMissing);
    EXPECT_EQ(SpProbePort(4), psMissing);
    // The probe closed what it opened: the free port is still free to have, twice over.
    EXPECT_EQ(SpProbePort(1), psFree);
    const auto program = SpCreateBackend();
    EXPECT_EQ(program->Open(volna->Zarizeni()), TSpOpenError::oeNone);
    program->Close();
}

TEST(SpPortStates, ProbeTellsAPortHeldByAnotherProgramOrByThisOne) {
    TTestNastaveni nastaveni;
    const auto volna = VytvorTestLinku();
    const auto drzena = VytvorTestLinku();
    if (const std::string proc = drzena->Nelze(TSchopnostLinky::slVyhradniPouziti); !proc.empty())
        GTEST_SKIP() << proc;
    nastaveni.Mapuj(1, volna->Zarizeni());
    nastaveni.Mapuj(2, drzena->Zarizeni());
    const auto jinyProgram = SpCreateBackend();
    ASSERT_EQ(jinyProgram->Open(drzena->Zarizeni()), TSpOpenError::oeNone);

    EXPECT_EQ(SpProbePort(2), psInUse);
    const auto program = SpCreateBackend();
    EXPECT_EQ(program->Open(volna->Zarizeni()), TSpOpenError::oeNone);
    EXPECT_EQ(SpProbePort(1), psInUse);
    program->Close();
    jinyProgram->Close();
    EXPECT_EQ(SpProbePort(2), psFree);
}

TEST(SpPortStates, LookOfEachStateUnderTheOptions) {
    const TSpPortItemLook normalni{true, false};
    const TSpPortItemLook zakazana{false, false};
    const TSpPortItemLook seda{true, true};
    // The settings dialog's options: only free ports can be chosen, nothing is grey.
    const TSpPortCtlOptions dialog{pcCheckExist, pcDisableOpen};
    EXPECT_EQ(SpPortItemLook(psFree, dialog), normalni);
    EXPECT_EQ(SpPortItemLook(psMissing, dialog), zakazana);
    EXPECT_EQ(SpPortItemLook(psInUse, dialog), zakazana);
    // A port refused for its permissions stays choosable: choosing it says how to get in.
    EXPECT_EQ(SpPortItemLook(psNoAccess, dialog), normalni);
    // Grey marks a port in use only while such a port can still be chosen.
    const TSpPortCtlOptions zvyrazneni{pcCheckExist, pcHighlightOpen};
    EXPECT_EQ(SpPortItemLook(psInUse, zvyrazneni), seda);
    EXPECT_EQ(SpPortItemLook(psInUse, {pcDisableOpen, pcHighlightOpen}), zakazana);
    EXPECT_EQ(SpPortItemLook(psMissing, zvyrazneni), zakazana);
    // Without options every port can be chosen.
    for (TSpPortState stav : {psFree, psMissing, psInUse})
        EXPECT_EQ(SpPortItemLook(stav, {}), normalni);
}

} // namespace
