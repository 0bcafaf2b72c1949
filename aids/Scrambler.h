#pragma once

#include <QByteArray>
#include <QString>

// The text scrambler of saved readings and the settings record: each character's code in
// the program's single-byte code page (Windows-1252 on every platform) shifted by 85.
namespace Scrambler {

// Code page byte of a character; a character the code page lacks becomes '?'.
unsigned char toCodePage(QChar c);
// Character of a code page byte; every byte 0 to 255 has one.
QChar fromCodePage(unsigned char byte);

QString ScrambleText(const QString& text);
QString UnscrambleText(const QString& text);

} // namespace Scrambler
