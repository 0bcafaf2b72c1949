#include "OfferArea.h"

#include "modHelp.h"

#include "ui/ClickableLabel.h"

#include <QStackedLayout>

QString OfferArea::fullBrandPitch() {
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                          "money online. Get this software fully branded for your website.");
}

QString OfferArea::fullBrandText() {
    return fullBrandPitch() + QStringLiteral(" Click here for more details.");
}

QString OfferArea::coBrandText() {
    // The caption's doubled ampersand shows as one; the label shows its text literally.
    return QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic "
                          "to your site. Put your site's name &  link here. See \"Help\" for "
                          "details.    Click Here for more info on co-branding.");
}

namespace {
ClickableLabel* makeOffer(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new ClickableLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    return label;
}
} // namespace

OfferArea::OfferArea(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("fraFullBrand"));
    setAccessibleName(QStringLiteral("Offers"));
    lblFullBrand = makeOffer(QStringLiteral("lblFullBrand"), fullBrandText(), this);
    lblCobrand = makeOffer(QStringLiteral("lblCobrand"), coBrandText(), this);

    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(0, 0, 0, 0);
    stack_->addWidget(lblFullBrand);
    stack_->addWidget(lblCobrand);
    stack_->setCurrentWidget(lblCobrand);

    connect(lblFullBrand, &ClickableLabel::clicked, this, &OfferArea::lblFullBrand_Click);
    connect(lblCobrand, &ClickableLabel::clicked, this, &OfferArea::lblCobrand_Click);
}

void OfferArea::bringToFront(Offer offer) {
    stack_->setCurrentWidget(offer == FullBrand ? lblFullBrand : lblCobrand);
}

OfferArea::Offer OfferArea::front() const {
    return stack_->currentWidget() == lblFullBrand ? FullBrand : CoBrand;
}

void OfferArea::lblFullBrand_Click() {
    modHelp::OpenLink(modHelp::LinkFullBrand);
}

void OfferArea::lblCobrand_Click() {
    modHelp::OpenLink(modHelp::LinkCoBrand);
}
