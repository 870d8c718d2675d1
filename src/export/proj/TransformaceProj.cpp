// The transformation by PROJ, through the table of its functions.
#include "export/TransformaceJTSK.h"

#include "common/Cp1250.h"
#include "common/Slozky.h"
#include "export/proj/FunkceProj.h"

#include <cmath>
#include <filesystem>

namespace {

class TTransformaceProj : public TTransformaceJTSK {
public:
    TTransformaceProj(const TFunkceProj& proj, PJ_CONTEXT* kontext, PJ* prevod)
        : proj_(proj), kontext_(kontext), prevod_(prevod) {}
    ~TTransformaceProj() override {
        proj_.proj_destroy(prevod_);
        proj_.proj_context_destroy(kontext_);
    }
    TTransformaceProj(const TTransformaceProj&) = delete;
    TTransformaceProj& operator=(const TTransformaceProj&) = delete;

    TZemepisnaPoloha Preved(double y, double x) override {
        TZemepisnaPoloha p;
        // EPSG:5514 has east = -Y, north = -X; EPSG:4326 gives latitude first.
        PJ_COORD vstup{};
        vstup.v[0] = -y;
        vstup.v[1] = -x;
        const PJ_COORD vysledek = proj_.proj_trans(prevod_, PJ_FWD, vstup);
        p.Sirka = vysledek.v[0];
        p.Delka = vysledek.v[1];
        p.Prevedeno = std::isfinite(p.Sirka) && std::isfinite(p.Delka);
        PJ* operace = proj_.proj_trans_get_last_used_operation(prevod_);
        if (!p.Prevedeno || !operace) {
            proj_.proj_destroy(operace);
            p.Prevedeno = false;
            return p;
        }
        if (const char* nazev = proj_.proj_get_name(operace))
            p.Operace = nazev;
        p.Presnost = proj_.proj_coordoperation_get_accuracy(kontext_, operace);
        double zapad = 0, jih = 0, vychod = 0, sever = 0;
        if (proj_.proj_get_area_of_use(kontext_, operace, &zapad, &jih, &vychod, &sever, nullptr))
            p.VOblasti =
                p.Delka >= zapad && p.Delka <= vychod && p.Sirka >= jih && p.Sirka <= sever;
        proj_.proj_destroy(operace);
        return p;
    }

private:
    const TFunkceProj& proj_;
    PJ_CONTEXT* kontext_;
    PJ* prevod_;
};

} // namespace

std::unique_ptr<TTransformaceJTSK> VytvorTransformaciJTSK(std::string& chyba) {
    const TFunkceProj* nactena = NactiProj(chyba);
    if (!nactena)
        return nullptr;
    const TFunkceProj& proj = *nactena;
    PJ_CONTEXT* kontext = proj.proj_context_create();
    proj.proj_log_level(kontext, PJ_LOG_NONE);
    proj.proj_context_set_enable_network(kontext, 0);
    // The Windows program carries its own database beside it; elsewhere the system's is used.
    const std::filesystem::path databaze = SlozkaProgramu() / "share" / "proj" / "proj.db";
    std::error_code nelzeZjistit;
    if (std::filesystem::is_regular_file(databaze, nelzeZjistit)) {
        const std::u8string utf8 = databaze.u8string(); // PROJ takes UTF-8 paths everywhere
        proj.proj_context_set_database_path(kontext, reinterpret_cast<const char*>(utf8.c_str()),
                                            nullptr, nullptr);
    }
    // No area is given: PROJ then picks for each point the best-ranked operation whose area of
    // use holds it, as cs2cs does.
    PJ* prevod = proj.proj_create_crs_to_crs(kontext, "EPSG:5514", "EPSG:4326", nullptr);
    if (!prevod) {
        chyba = Cz("Knihovna PROJ nenašla převod z S-JTSK (EPSG:5514) do WGS 84: ") +
                Utf8NaCp1250(
                    proj.proj_context_errno_string(kontext, proj.proj_context_errno(kontext))) +
                Cz(". Je nainstalována její databáze proj.db?");
        proj.proj_context_destroy(kontext);
        return nullptr;
    }
    return std::make_unique<TTransformaceProj>(proj, kontext, prevod);
}
