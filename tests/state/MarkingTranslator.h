#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

// A language in which every text reads as its context and source in brackets, placeholders kept: what went
// through translation shows, and in which context.
class MarkingTranslator final : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override
    {
        return QStringLiteral("[%1|%2]").arg(QString::fromUtf8(context), QString::fromUtf8(source));
    }
};

// The application speaks that language while this lives, also when a check fails half way.
class MarkingLanguage final
{
public:
    MarkingLanguage() { QCoreApplication::installTranslator(&marking); }
    ~MarkingLanguage() { QCoreApplication::removeTranslator(&marking); }
    MarkingLanguage(const MarkingLanguage&) = delete;
    MarkingLanguage& operator=(const MarkingLanguage&) = delete;

    MarkingTranslator marking;
};
