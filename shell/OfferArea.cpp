#include "OfferArea.h"

#include "modHelp.h"

#include "platform/UiText.h"
#include "ui/ClickableLabel.h"

#include <QStackedLayout>

namespace {
const uiText::Source FullBrandPitch{
    "OfferArea",
    QT_TRANSLATE_NOOP("OfferArea", "Home Business Opportunity. Start your own Internet business "
                                   "and make money online. Get this software fully branded for "
                                   "your website.")};
const uiText::Source FullBrandText{
    "OfferArea",
    QT_TRANSLATE_NOOP("OfferArea", "Home Business Opportunity. Start your own Internet business "
                                   "and make money online. Get this software fully branded for "
                                   "your website. Click here for more details.")};
// The caption's doubled ampersand shows as one; the label shows its text literally.
const uiText::Source CoBrandText{
    "OfferArea",
    QT_TRANSLATE_NOOP("OfferArea", "Co-brand this software for your site.  Increase loyalty "
                                   "and traffic to your site. Put your site's name &  link here. "
                                   "See \"Help\" for details.    Click Here for more info on "
                                   "co-branding.")};
} // namespace

uiText::Source OfferArea::fullBrandPitchSource() {
    return FullBrandPitch;
}

QString OfferArea::fullBrandPitch() {
    return FullBrandPitch.translated();
}

QString OfferArea::fullBrandText() {
    return FullBrandText.translated();
}

QString OfferArea::coBrandText() {
    return CoBrandText.translated();
}

namespace {
ClickableLabel* makeOffer(const QString& name, uiText::Source text, QWidget* parent) {
    auto* label = new ClickableLabel(QString(), parent);
    label->setObjectName(name);
    uiText::set(label, "text", text);
    uiText::set(label, "accessibleName", text);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    return label;
}
} // namespace

OfferArea::OfferArea(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("fraFullBrand"));
    uiText::set(this, "accessibleName", {"OfferArea", QT_TR_NOOP("Offers")});
    lblFullBrand = makeOffer(QStringLiteral("lblFullBrand"), FullBrandText, this);
    lblCobrand = makeOffer(QStringLiteral("lblCobrand"), CoBrandText, this);

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
