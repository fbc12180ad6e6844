#include "app/ui/about_box.h"

#include "app/core/version.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisk {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About Brisklane");
    auto* name = new QLabel(QString("Brisklane v%1").arg(kVersion), this);
    name->setObjectName("Version");
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    auto* text = new QLabel("Mortgages and loans, savings and growth, retirement and 401(k) planning, and a "
                            "weekly record of your investments' values, all on your own computer.",
                            this);
    text->setWordWrap(true);
    auto* close = new QPushButton("&Close", this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(text);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    setFixedWidth(360);
}

} // namespace brisk
