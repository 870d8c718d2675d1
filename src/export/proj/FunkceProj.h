// The PROJ functions the transformation calls, gathered in one table: the Linux programs load
// the library only when an export places points on the globe (linked, its some forty libraries
// would be loaded at every start of every program), the Windows build has it linked in.
#pragma once

#include <proj.h>

#include <string>

#define MERIVOX_FUNKCE_PROJ(F)                                                                     \
    F(proj_context_create)                                                                         \
    F(proj_context_destroy)                                                                        \
    F(proj_log_level)                                                                              \
    F(proj_context_set_enable_network)                                                             \
    F(proj_context_set_database_path)                                                              \
    F(proj_context_errno)                                                                          \
    F(proj_context_errno_string)                                                                   \
    F(proj_create_crs_to_crs)                                                                      \
    F(proj_destroy)                                                                                \
    F(proj_trans)                                                                                  \
    F(proj_trans_get_last_used_operation)                                                          \
    F(proj_get_name)                                                                               \
    F(proj_coordoperation_get_accuracy)                                                            \
    F(proj_get_area_of_use)

struct TFunkceProj {
#define MERIVOX_UKAZATEL_PROJ(jmeno) decltype(&::jmeno) jmeno = nullptr;
    MERIVOX_FUNKCE_PROJ(MERIVOX_UKAZATEL_PROJ)
#undef MERIVOX_UKAZATEL_PROJ
};

// The table, or nothing with the reason in `chyba` (cp1250). Loaded once, kept to the end.
const TFunkceProj* NactiProj(std::string& chyba);
