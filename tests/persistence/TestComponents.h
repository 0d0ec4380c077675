#pragma once
// Persistent classes for the component stream tests: one property of every
// kind the stream knows, declared with the same class-info conventions as
// the program's own classes.
#include "platform/GraphicsTypes.h"
#include "platform/TColor.h"
#include "platform/TFont.h"
#include "platform/TPen.h"
#include "platform/TPicture.h"
#include "platform/TStringList.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

namespace swtest {

class TTestLabel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Tag MEMBER mTag)
    Q_PROPERTY(int Left MEMBER mLeft)
    Q_PROPERTY(short Cursor MEMBER mCursor)
    Q_PROPERTY(QString Hint MEMBER mHint)
    Q_PROPERTY(bool Locked READ locked WRITE setLocked)
    Q_PROPERTY(bool Visible MEMBER mVisible)
    Q_PROPERTY(int BackColor MEMBER mBackColor)
    Q_PROPERTY(int Count MEMBER mCount)
    Q_PROPERTY(sw::graphics::TPenStyle LineStyle MEMBER mLineStyle)
    Q_PROPERTY(sw::graphics::TFontStyles Emphasis MEMBER mEmphasis)
    Q_PROPERTY(double Angle MEMBER mAngle)
    Q_PROPERTY(float Scale MEMBER mScale)
    Q_PROPERTY(QChar Mark MEMBER mMark)
    Q_PROPERTY(QString Caption MEMBER mCaption)
    Q_PROPERTY(int Serial READ serial)
    Q_PROPERTY(sw::TFont *Font READ font)
    Q_PROPERTY(sw::TPen *Pen READ pen)
    Q_PROPERTY(sw::TStringList *Items READ items)
    Q_PROPERTY(sw::TPicture *Picture READ picture)
    Q_CLASSINFO("default:Tag", "0")
    Q_CLASSINFO("default:Cursor", "0")
    Q_CLASSINFO("default:Visible", "True")
    Q_CLASSINFO("type:BackColor", "TColor")
    Q_CLASSINFO("default:BackColor", "clWhite")
    Q_CLASSINFO("default:LineStyle", "psSolid")
    Q_CLASSINFO("default:Emphasis", "")
    Q_CLASSINFO("definedBinary", "Extra")

public:
    Q_INVOKABLE explicit TTestLabel(QObject *parent = nullptr);

    bool locked() const { return mLocked; }
    void setLocked(bool locked);
    int serial() const { return 42; }
    sw::TFont *font() const { return mFont; }
    sw::TPen *pen() const { return mPen; }
    sw::TStringList *items() const { return mItems; }
    sw::TPicture *picture() const { return mPicture; }

    Q_INVOKABLE QByteArray definedBinary(const QString &name) const;
    Q_INVOKABLE bool setDefinedBinary(const QString &name, const QByteArray &data);
    Q_INVOKABLE void Loaded();

    int mTag = 0;
    int mLeft = 0;
    short mCursor = 0;
    QString mHint;
    bool mLocked = false;
    bool mVisible = true;
    int mBackColor = sw::clWhite;
    int mCount = 0;
    sw::TPenStyle mLineStyle = sw::psSolid;
    sw::TFontStyles mEmphasis;
    double mAngle = 0;
    float mScale = 0;
    QChar mMark = QLatin1Char('-');
    QString mCaption;
    QByteArray mExtra;

    // Observations for the tests.
    bool mLoadingSeenBySetter = false;
    int mLoadedCalls = 0;
    bool mLoadingSeenByLoaded = true;
    mutable bool mWritingSeen = false;
    static QStringList loadedOrder;

private:
    sw::TFont *mFont;
    sw::TPen *mPen;
    sw::TStringList *mItems;
    sw::TPicture *mPicture;
};

// A subclass redeclaring an ancestor's property and adding one of its own.
class TTestDerived : public TTestLabel
{
    Q_OBJECT
    Q_PROPERTY(int Left MEMBER mLeft)
    Q_PROPERTY(int Extra2 MEMBER mExtra2)

public:
    using TTestLabel::TTestLabel;
    int mExtra2 = 0;
};

// Small class for exact byte comparisons.
class TTiny : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Left MEMBER mLeft)
    Q_PROPERTY(bool Locked MEMBER mLocked)
    Q_PROPERTY(sw::TFont *Font READ font)

public:
    explicit TTiny(QObject *parent = nullptr) : QObject(parent), mFont(new sw::TFont(this)) {}
    sw::TFont *font() const { return mFont; }
    int mLeft = 0;
    bool mLocked = false;

private:
    sw::TFont *mFont;
};

} // namespace swtest
