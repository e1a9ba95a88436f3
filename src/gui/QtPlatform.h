#pragma once

#include "core/Platform.h"

#include <QRandomGenerator>

#include <memory>

class QFile;

// A dialog filter in "description|pattern" pairs (as the program's requests give them) in Qt's own form.
QString qtNameFilter(const QString& filter);

class QtPlatform : public Platform
{
public:
    // The single-instance lock lives at instanceLockPath, or in the user's runtime folder when it is empty; where
    // that file cannot be opened, in the temporary folder under the user's number; and where that fails too, nowhere.
    explicit QtPlatform(const QString& instanceLockPath = {});
    ~QtPlatform() override;

    MessageAnswer showMessage(const QString& text, MessageIcon icon, MessageButtons buttons) override;
    QString getOpenFileName(const FileDialogRequest& request) override;
    QString getSaveFileName(const FileDialogRequest& request) override;
    bool execPrintDialog(QPrinter& printer, bool selectionPreset) override;
    void openUrl(const QString& url) override;
    QString readSetting(const QString& application, const QString& section, const QString& key) override;
    void writeSetting(
        const QString& application, const QString& section, const QString& key, const QString& value) override;
    QDateTime now() override;
    void seedRandom(quint32 seed) override;
    double random() override;
    bool anotherInstanceRunning() override;
    void endProcess() override;

private:
    QRandomGenerator m_random;
    QString m_instanceLockPath;
    std::unique_ptr<QFile> m_instanceLock;
};
