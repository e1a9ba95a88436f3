#pragma once

#include <QDialog>

class Application;

// Names the program and its version and links to the maker's site; shown modally, fresh each time.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    frmAbout(Application& app, QWidget* parent);
};
