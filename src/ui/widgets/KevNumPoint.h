// The weld point number edit. Its mask gives one position per character: "c" takes a
// letter, a digit or a space, any other character is a literal that the edit puts in
// place itself. A typed space shows as the space character ("_" at creation). The client
// kind chooses the mask and the rule of validity:
//   0: up to 20 characters, valid when not blank;
//   1: the shape cc.ccc.cccccc, valid when complete.
#pragma once

#include <QLineEdit>

namespace g20seq {

class TKevNumPoint : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString EditMask READ EditMask WRITE SetEditMask)
    Q_PROPERTY(QChar SpaceChar READ SpaceChar WRITE SetSpaceChar)
    Q_PROPERTY(int ClientKind READ ClientKind WRITE SetClientKind)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
public:
    explicit TKevNumPoint(QWidget* Parent = nullptr);

    // The mask as "positions;keep;space character" (the last two parts may be left out).
    QString EditMask() const { return FEditMask; }
    void SetEditMask(const QString& Mask);
    QChar SpaceChar() const { return FSpaceChar; }
    void SetSpaceChar(QChar Space) { FSpaceChar = Space; }
    int ClientKind() const { return FClientKind; }
    // Takes the mask of the kind (0 or 1; another kind counts as 0).
    void SetClientKind(int Kind);
    int Tag() const { return FTag; }
    void SetTag(int Index) { FTag = Index; }

    // Whether the text fits the mask and the kind's rule.
    bool IsValid() const;
    // The text with its space characters turned into spaces.
    QString PointText() const;

    // The mask positions, without the other parts.
    QString Positions() const { return FPositions; }

private:
    QString FEditMask;
    QString FPositions;
    QChar FSpaceChar = QLatin1Char('_');
    int FClientKind = 0;
    int FTag = 0;
};

} // namespace g20seq
