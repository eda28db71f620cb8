#pragma once

#include "TestEnvironment.h"

#include <QFile>
#include <QStringList>
#include <QXmlStreamReader>

// The codes of the window form's language box, in their order: the languages a kit must cover.
inline QStringList formLanguages()
{
    QFile form(TestEnvironment::sourceDir() + QStringLiteral("/src/wizard/Uninstall.ui"));
    if (!form.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&form);
    QStringList codes;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement
            || xml.attributes().value(QLatin1String("name")) != QLatin1String("comboBox"))
            continue;
        // <item><property name="text"><string>code</string></property></item>
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("item")) {
                xml.skipCurrentElement();
                continue;
            }
            while (xml.readNextStartElement())
                while (xml.readNextStartElement())
                    codes << xml.readElementText();
        }
        break;
    }
    return codes;
}
