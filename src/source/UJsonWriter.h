#pragma once
// The compact JSON writer: no blanks, no line breaks. Strings are escaped so
// that the text stays plain ASCII above code 255 and survives any code page.

#include <QString>
#include <QStringView>

class TJsonWriter {
public:
    void BeginObject() { FText += u'{'; }
    void EndObject() { FText += u'}'; }
    void BeginArray() { FText += u'['; }
    void EndArray() { FText += u']'; }
    void Separator() { FText += u','; }
    void MemberName(QStringView name)
    {
        String(name);
        FText += u':';
    }
    void String(QStringView text);
    void Raw(QStringView text) { FText += text; }

    const QString& Text() const { return FText; }
    QString TakeText() { return std::move(FText); }

    // The escaped form of one text, quotes included.
    static QString Escape(QStringView text);

private:
    QString FText;
};
