#pragma once
// The about box: the product, the version this module was built as, and a Close button.

#include <QDialog>

class TFormAboutARSystem : public QDialog
{
    Q_OBJECT
public:
    explicit TFormAboutARSystem(QWidget* parent = nullptr);
    static QString versionText();
};
