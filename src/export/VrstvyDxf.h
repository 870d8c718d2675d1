// The layers of the DXF drawing: one per code, named so that every CAD program accepts the
// name, and no two codes on one layer by accident.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

// The layer that holds the heights' texts; a code of the same name goes to "VYSKY_2".
inline constexpr const char* kVrstvaVysek = "VYSKY";

// A code (cp1250) as a layer name: the characters a layer name may not hold
// (< > / \ " : ; ? * | = ` and control characters) become '_', and the name has at most
// 255 characters. An empty code is the layer "0".
std::string NazevVrstvy(const std::string& kod);

class TVrstvyDxf {
public:
    TVrstvyDxf();
    // The layer of a code, given on first use. Layer names are alike regardless of case in CAD
    // programs, so two codes whose names differ only there, or in what was replaced, get
    // "_2", "_3" ... in the order they come.
    const std::string& Vrstva(const std::string& kod);
    // Every layer in the order given: "0" and the heights' layer first.
    const std::vector<std::string>& Vsechny() const { return nazvy_; }

private:
    std::string Volny(const std::string& zaklad);

    std::map<std::string, std::string> podleKodu_;
    std::set<std::string> obsazene_; // names folded to lower case
    std::vector<std::string> nazvy_;
};
