#include "PocitadloBajtu.h"

#include "serial/SpObalBackendu.h"

#include <atomic>

namespace {

std::atomic<int64_t> precteno{0};

class TPocitanyBackend : public TSpObalBackendu {
public:
    int32_t Read(uint8_t* buffer, int32_t count) override {
        const int32_t n = b_->Read(buffer, count);
        if (n > 0)
            precteno.fetch_add(n);
        return n;
    }
};

} // namespace

std::unique_ptr<TSpBackend> VytvorPocitanyBackend() {
    return std::make_unique<TPocitanyBackend>();
}

int64_t PrectenoBajtu() {
    return precteno.load();
}

void VynulujPocitadloBajtu() {
    precteno.store(0);
}
