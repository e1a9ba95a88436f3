#pragma once

#include <QDialog>

class Application;

// Names the program and its version and links to the maker's site; shown modally, fresh each time.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    AboutDialog(Application& app, QWidget* parent);
};
