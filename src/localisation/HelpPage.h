#pragma once

#include <QString>
#include <QUrl>

// The help page a country file names ("KeyPfad"), relative to the program directory. A country
// file is data from anywhere, so it may only name a help page of the program: a value that
// leads out of the program directory, or to a file other than a page or a text, is refused.
class HelpPage
{
public:
    // The page's full path, or empty when the value must not be opened (or names no file).
    // The value is relative to programDirectory; it may begin with one "\" or "/" as the design
    // values do ("\hilfe-vq\index.htm").
    static QString file(const QString &programDirectory, const QString &value);

    // A web address a country file gives: only http and https with a host, nothing else a
    // desktop could open (files, programs, other schemes). Empty when the value is no such.
    static QUrl webAddress(const QString &value);
    // What the help window's home-page label opens: a web address, or a page of the program;
    // empty when the value is neither.
    static QUrl homePage(const QString &programDirectory, const QString &value);
};
