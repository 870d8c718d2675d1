#include "link/PrevzetiUdalosti.h"

TPrevzetiUdalosti::TPrevzetiUdalosti(TComDriver& driver)
    : driver_(driver), ok_(driver.OnKomunikaceOK), err_(driver.OnKomunikaceErr),
      prubehZapisu_(driver.OnPrubehZapisu), chybaOtevreni_(driver.OnChybaOtevreni),
      prubehNacteni_(driver.OnPrubehNacteni) {}

TPrevzetiUdalosti::~TPrevzetiUdalosti() {
    driver_.OnKomunikaceOK = std::move(ok_);
    driver_.OnKomunikaceErr = std::move(err_);
    driver_.OnPrubehZapisu = std::move(prubehZapisu_);
    driver_.OnChybaOtevreni = std::move(chybaOtevreni_);
    driver_.OnPrubehNacteni = std::move(prubehNacteni_);
}
