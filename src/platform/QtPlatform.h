#pragma once

#include "platform/Platform.h"

#include <QLockFile>
#include <QRandomGenerator>

#include <memory>

class QtPlatform : public Platform
{
public:
    QtPlatform();
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
    std::unique_ptr<QLockFile> m_instanceLock;
};
