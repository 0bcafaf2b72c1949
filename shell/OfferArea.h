#pragma once

#include "platform/UiText.h"

#include <QFrame>

class ClickableLabel;
class QStackedLayout;

// The frame fraFullBrand at the foot of the main window: the full-brand and the co-brand
// offers lie in the same place, and only the one in front can be seen and clicked. The
// co-brand offer is in front until an offer pick says otherwise.
class OfferArea : public QFrame {
    Q_OBJECT
public:
    enum Offer { FullBrand, CoBrand };

    explicit OfferArea(QWidget* parent = nullptr);

    void bringToFront(Offer offer);
    Offer front() const;

    ClickableLabel* fullBrandLabel() const { return lblFullBrand; }
    ClickableLabel* coBrandLabel() const { return lblCobrand; }

    // The full-brand offer: its pitch, which the about box shows as well, and the link line.
    static QString fullBrandPitch();
    static QString fullBrandText();
    static QString coBrandText();
    static uiText::Source fullBrandPitchSource();

private:
    void lblFullBrand_Click();
    void lblCobrand_Click();

    QStackedLayout* stack_ = nullptr;
    ClickableLabel* lblFullBrand = nullptr;
    ClickableLabel* lblCobrand = nullptr;
};
