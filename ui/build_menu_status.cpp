#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "edition_texts.h"
#include "form_builders.h"
#include "tform1.h"

namespace ampdesk {

void buildMainMenu(TForm1& form) {
    QMenuBar* bar = form.menuBar();
    bar->setObjectName("MainMenu1");

    form.N112 = bar->addMenu(QStringLiteral("文件"));
    form.N112->setObjectName("N112");
    form.exitItem = form.N112->addAction(QStringLiteral("退出"));
    form.exitItem->setObjectName("exitItem");

    // Top-level items of the design whose commands are never reachable.
    form.N1 = bar->addMenu(QStringLiteral("设备"));
    form.N1->setObjectName("N1");
    form.deviceConnectMenu = bar->addMenu(QStringLiteral("设备连接"));
    form.deviceConnectMenu->setObjectName("deviceConnectMenu");
    form.saveRecallMenu = bar->addMenu(QStringLiteral("保存和调用"));
    form.saveRecallMenu->setObjectName("saveRecallMenu");
    form.searchDevicesMenu = bar->addMenu(QStringLiteral("搜索可用设备"));
    form.searchDevicesMenu->setObjectName("searchDevicesMenu");

    form.N6 = bar->addMenu(QStringLiteral("帮助"));
    form.N6->setObjectName("N6");
    form.BTL1 = form.N6->addAction(texts::kBtlItem.in(form.edition()));
    form.BTL1->setObjectName("BTL1");
    form.versionItem = form.N6->addAction(QStringLiteral("版本"));
    form.versionItem->setObjectName("versionItem");

    // Edition A has the bridge item but never shows it.
    form.BTL1->setVisible(form.edition() == Edition::B);
    for (QMenu* hidden :
         {form.N1, form.deviceConnectMenu, form.saveRecallMenu, form.searchDevicesMenu})
        hidden->menuAction()->setVisible(false);

    // The bar keeps its height while its items are hidden, so the client area
    // does not move when they appear.
    bar->setMinimumHeight(bar->sizeHint().height());
}

void buildStatusBar(TForm1& form) {
    form.StatusBar1 = new QStatusBar(&form);
    form.StatusBar1->setObjectName("StatusBar1");
    form.StatusBar1->setSizeGripEnabled(false);
    form.setStatusBar(form.StatusBar1);
    form.statusPanel0 = new QLabel(form.StatusBar1);
    form.statusPanel0->setObjectName("statusPanel0");
    form.statusPanel0->setFixedWidth(200);
    form.statusPanel0->setFrameShape(QFrame::Panel);
    form.statusPanel0->setFrameShadow(QFrame::Sunken);
    form.StatusBar1->addWidget(form.statusPanel0);
}

}  // namespace ampdesk
