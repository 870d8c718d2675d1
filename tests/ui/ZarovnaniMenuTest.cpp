#include "ui/ZarovnaniMenu.h"

#include <QMainWindow>
#include <QMenuBar>

#include <gtest/gtest.h>

TEST(ZarovnaniMenu, ItemAndAllAfterItMoveToTheRightEnd) {
    QMainWindow okno;
    okno.resize(600, 200);
    auto* lista = okno.menuBar();
    auto* a = lista->addAction("&Konec");
    auto* b = lista->addAction("&Jedna");
    auto* c = lista->addAction("&O programu...");
    okno.show();
    const int pravaPredtim = lista->actionGeometry(c).right();
    ASSERT_TRUE(ZarovnejMenuVpravo(lista, 1));
    const QRect ra = lista->actionGeometry(a);
    const QRect rb = lista->actionGeometry(b);
    const QRect rc = lista->actionGeometry(c);
    EXPECT_GT(rc.right(), pravaPredtim);
    EXPECT_GE(rc.right(), lista->width() - 12) << "at the right end";
    EXPECT_LT(rb.right(), rc.left()) << "the order stays";
    EXPECT_GT(rb.left(), ra.right() + 100) << "the item at the position moves as well";
    EXPECT_TRUE(ZarovnejMenuVpravo(lista, 3)) << "a second call keeps the style";
}

TEST(ZarovnaniMenu, MissingBarOrItemFails) {
    QMenuBar lista;
    lista.addAction("a");
    EXPECT_FALSE(ZarovnejMenuVpravo(nullptr, 0));
    EXPECT_FALSE(ZarovnejMenuVpravo(&lista, 1));
    EXPECT_FALSE(ZarovnejMenuVpravo(&lista, -1));
    EXPECT_EQ(lista.actions().size(), 1) << "nothing changed";
}
