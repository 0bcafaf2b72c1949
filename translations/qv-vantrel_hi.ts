<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>CopiedNotice</name>
    <message>
        <source>&amp;Copied</source>
        <translation>कॉपी हो गया (&amp;C)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>कॉपी हो गया</translation>
    </message>
</context>
<context>
    <name>InputChecks</name>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation>कृपया समय क्षेत्र के घंटे और मिनट लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>कृपया देशांतर की कला (मिनट) लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>कृपया अक्षांश की कला (मिनट) लिखें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तिथि या माह चुनें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तिथि या माह चुनें !</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>भाषा</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>मेन्यू पट्टी</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>&amp;Print Reading…</source>
        <translation>फल छापें (&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Export Reading as PDF…</source>
        <translation>फल PDF के रूप में सहेजें (&amp;E)…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बंद करें (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर का नया संस्करण देखें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>The Most Popular Online Sorvane Discussion Board. Click Here To Visit %1 Now.</source>
        <translation>सबसे लोकप्रिय ऑनलाइन सोरवेन चर्चा मंच। अभी %1 पर जाने के लिए यहाँ क्लिक करें।</translation>
    </message>
</context>
<context>
    <name>OfferArea</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय आरंभ करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के नाम से पाएँ।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय आरंभ करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के नाम से पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर पर अपनी साइट का नाम भी जोड़ें। अपनी साइट के पाठकों का विश्वास और आवागमन बढ़ाएँ। अपनी साइट का नाम और लिंक यहाँ लगाएँ। विवरण के लिए &quot;सहायता&quot; देखें।    सह-ब्रांडिंग की अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>प्रस्ताव</translation>
    </message>
</context>
<context>
    <name>PlaceFinder</name>
    <message>
        <source>The list of places could not be read; use the web search instead.</source>
        <translation>स्थानों की सूची पढ़ी नहीं जा सकी; इसके स्थान पर वेब खोज का प्रयोग करें।</translation>
    </message>
    <message>
        <source>The time zone of this place cannot be entered here; readings for it would be wrong.</source>
        <translation>इस स्थान का समय क्षेत्र यहाँ नहीं भरा जा सकता; इसके लिए फल गलत आएगा।</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>अभी (&amp;N)</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>अभी</translation>
    </message>
    <message>
        <source>Fill the date and time with the present moment</source>
        <translation>तिथि और समय में इस क्षण का समय भरें</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>The time zone of this place, %1, is not known to this computer; enter the zone by hand.</source>
        <translation>इस स्थान का समय क्षेत्र, %1, इस कंप्यूटर को ज्ञात नहीं है; समय क्षेत्र स्वयं भरें।</translation>
    </message>
    <message>
        <source>No place of this name in the list: enter its latitude, longitude and time zone, or use the lookup button.</source>
        <translation>सूची में इस नाम का कोई स्थान नहीं है: इसका अक्षांश, देशांतर और समय क्षेत्र भरें, या खोज बटन का प्रयोग करें।</translation>
    </message>
</context>
<context>
    <name>PlaceText</name>
    <message>
        <source>%1 %2</source>
        <comment>latitude longitude</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1°%2′ N</source>
        <translation>%1°%2′ उत्तर</translation>
    </message>
    <message>
        <source>%1°%2′ S</source>
        <translation>%1°%2′ दक्षिण</translation>
    </message>
    <message>
        <source>%1°%2′ E</source>
        <translation>%1°%2′ पूर्व</translation>
    </message>
    <message>
        <source>%1°%2′ W</source>
        <translation>%1°%2′ पश्चिम</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>place, country</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>place, region, country</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>place: coordinates, zone</comment>
        <translation>%1: %2, %3</translation>
    </message>
</context>
<context>
    <name>ProgramIcon</name>
    <message>
        <source>Program icon</source>
        <translation>प्रोग्राम का चिह्न</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>%1 helps you find objects that have been misplaced on the basis of calculation of the constellation the moon was placed in on the day of loss.</source>
        <translation>%1 आपकी खोई हुई वस्तुएँ ढूँढने में सहायता करता है: वस्तु खोने के दिन चंद्रमा जिस नक्षत्र में था, उसकी गणना के आधार पर।</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>यहाँ देखें:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फ़ाइल का नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फ़ाइल का प्रकार:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ऊपर का फ़ोल्डर</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>सूची दृश्य</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>विवरण दृश्य</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>किनारे की पट्टी</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सब चुनें</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>ReadingDetails</name>
    <message>
        <source>Close to a boundary: a few minutes&apos; difference in the time of loss gives the other reading.</source>
        <translation>नक्षत्र की सीमा निकट है: खोने के समय में कुछ मिनट का अंतर दूसरा फल देता है।</translation>
    </message>
    <message>
        <source>The Moon stays in this nakshatra from two hours before to two hours after.</source>
        <translation>दो घंटे पहले से दो घंटे बाद तक चंद्रमा इसी नक्षत्र में रहता है।</translation>
    </message>
    <message>
        <source>Moon at %1°%2′ sidereal: %3, quarter %4.</source>
        <translation>चंद्रमा निरयण %1°%2′ पर: %3, पाद %4।</translation>
    </message>
    <message>
        <source>%1 local time</source>
        <translation>स्थानीय समय %1</translation>
    </message>
    <message>
        <source>From %1 the Moon is in %2, %3: %4.</source>
        <translation>%1 से चंद्रमा %2 में है, %3: %4।</translation>
    </message>
    <message>
        <source>Until %1 the Moon was in %2, %3: %4.</source>
        <translation>%1 तक चंद्रमा %2 में था, %3: %4।</translation>
    </message>
    <message>
        <source>%1 local time on %2</source>
        <translation>%2 को स्थानीय समय %1</translation>
    </message>
</context>
<context>
    <name>ReadingFile</name>
    <message>
        <source>the field %1 is not a text</source>
        <translation>क्षेत्र %1 पाठ नहीं है</translation>
    </message>
    <message>
        <source>the field %1 is not true or false</source>
        <translation>क्षेत्र %1 न सत्य है न असत्य</translation>
    </message>
    <message>
        <source>the field %1 is not a number</source>
        <translation>क्षेत्र %1 संख्या नहीं है</translation>
    </message>
    <message>
        <source>the field %1 holds %2, which the lists cannot show</source>
        <translation>क्षेत्र %1 में %2 है, जिसे सूचियाँ नहीं दिखा सकतीं</translation>
    </message>
    <message>
        <source>the field %1 is missing</source>
        <translation>क्षेत्र %1 नहीं है</translation>
    </message>
    <message>
        <source>the field %1 is not a group of fields</source>
        <translation>क्षेत्र %1 क्षेत्रों का समूह नहीं है</translation>
    </message>
    <message>
        <source>it is not a %1 reading</source>
        <translation>यह %1 का फल नहीं है</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>यह UTF-8 पाठ नहीं है</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at byte %2)</source>
        <translation>यह JSON नहीं है (बाइट %2 पर %1)</translation>
    </message>
    <message>
        <source>the field %1 is not a version number</source>
        <translation>क्षेत्र %1 संस्करण संख्या नहीं है</translation>
    </message>
    <message>
        <source>it is too large to read</source>
        <translation>यह पढ़ने के लिए बहुत बड़ा है</translation>
    </message>
    <message>
        <source>%1
This reading cannot be opened: %2.</source>
        <translation>%1
यह फल खोला नहीं जा सकता: %2।</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>इसे पढ़ा नहीं जा सकता</translation>
    </message>
    <message>
        <source>there is no file of this name</source>
        <translation>इस नाम की कोई फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>यह सामान्य फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>यह 1 MiB से बड़ा है</translation>
    </message>
    <message>
        <source>%1
This reading was saved by a newer version of %2.</source>
        <translation>%1
यह फल %2 के नए संस्करण से सहेजा गया था।</translation>
    </message>
</context>
<context>
    <name>ReadingFiles</name>
    <message>
        <source>%1
This reading is no longer there; it has been removed from the list.</source>
        <translation>%1
यह फल अब वहाँ नहीं है; इसे सूची से हटा दिया गया है।</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading…</source>
        <translation>पहले सहेजा गया फल खोलें (&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <translation>फल इस रूप में सहेजें (&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Undo Open</source>
        <translation>खोलना रद्द करें (&amp;U)</translation>
    </message>
</context>
<context>
    <name>ReadingMoment</name>
    <message>
        <source>%1 ahead of universal time</source>
        <translation>सार्वभौमिक समय से %1 आगे</translation>
    </message>
    <message>
        <source>%1 behind universal time</source>
        <translation>सार्वभौमिक समय से %1 पीछे</translation>
    </message>
    <message>
        <source>the same as universal time</source>
        <translation>सार्वभौमिक समय के समान</translation>
    </message>
    <message>
        <source>%1 (daylight saving included)</source>
        <translation>%1 (डेलाइट सेविंग सहित)</translation>
    </message>
    <message>
        <source>%1 local time, %2: %3 UT</source>
        <translation>स्थानीय समय %1, %2: %3 UT</translation>
    </message>
    <message>
        <source>%1 local time, %2: %3 UT, %4</source>
        <translation>स्थानीय समय %1, %2: %4 को %3 UT</translation>
    </message>
</context>
<context>
    <name>ReadingReport</name>
    <message>
        <source>%1 reading</source>
        <translation>%1 फल</translation>
    </message>
    <message>
        <source>%1, daylight saving</source>
        <translation>%1, डेलाइट सेविंग सहित</translation>
    </message>
    <message>
        <source>%1, no daylight saving</source>
        <translation>%1, डेलाइट सेविंग नहीं</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Moment</source>
        <translation>क्षण</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>नहीं दिया गया</translation>
    </message>
    <message>
        <source>Longitude and latitude</source>
        <translation>देशांतर और अक्षांश</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>स्थिति</translation>
    </message>
    <message>
        <source>Nearest change</source>
        <translation>निकटतम परिवर्तन</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>सावधानी</translation>
    </message>
    <message>
        <source>Zone check</source>
        <translation>समय क्षेत्र जाँच</translation>
    </message>
    <message>
        <source>the document could not be drawn</source>
        <translation>दस्तावेज़ बनाया नहीं जा सका</translation>
    </message>
    <message>
        <source>%1°%2′ East</source>
        <translation>%1°%2′ पूर्व</translation>
    </message>
    <message>
        <source>%1°%2′ West</source>
        <translation>%1°%2′ पश्चिम</translation>
    </message>
    <message>
        <source>%1°%2′ South</source>
        <translation>%1°%2′ दक्षिण</translation>
    </message>
    <message>
        <source>%1°%2′ North</source>
        <translation>%1°%2′ उत्तर</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>longitude, latitude</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>caption: text</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ReadingSave</name>
    <message>
        <source>the characters %1</source>
        <translation>अक्षर %1</translation>
    </message>
    <message>
        <source>the last %1 characters (at most %2 are kept)</source>
        <translation>अंतिम %1 अक्षर (अधिकतम %2 रखे जाते हैं)</translation>
    </message>
    <message>
        <source>Saved readings (%1)</source>
        <translation>सहेजे गए फल (%1)</translation>
    </message>
    <message>
        <source>QV Vantrel reading (*.vantrel)</source>
        <translation>QV Vantrel फल (*.vantrel)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>फल</translation>
    </message>
    <message>
        <source>the characters %1 and the last %2 characters (at most %3 are kept)</source>
        <translation>अक्षर %1 और अंतिम %2 अक्षर (अधिकतम %3 रखे जाते हैं)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>box name: what is left out</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>A saved reading cannot hold all of this reading. Saving leaves out:
%1
Save the reading without them?</source>
        <translation>सहेजा गया फल इस फल का सब कुछ नहीं रख सकता। सहेजने पर ये छूट जाएँगे:
%1
क्या इनके बिना फल सहेजें?</translation>
    </message>
</context>
<context>
    <name>SaveTarget</name>
    <message>
        <source>%1 is a link that another user may have placed there. Choose another name.</source>
        <translation>%1 एक लिंक है जिसे किसी दूसरे उपयोगकर्ता ने वहाँ रखा हो सकता है। दूसरा नाम चुनें।</translation>
    </message>
</context>
<context>
    <name>StartupChecks</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का नया संस्करण उपलब्ध हो सकता है<byte value="xd"/>क्या आप नया संस्करण देखना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>the file could not be written</source>
        <translation>फ़ाइल लिखी नहीं जा सकी</translation>
    </message>
</context>
<context>
    <name>ZoneCheck</name>
    <message>
        <source>The zone read, %1, is not the clock of %2 on that day: %3 (%4).</source>
        <translation>पढ़ा गया समय क्षेत्र, %1, उस दिन %2 की घड़ी नहीं है: %3 (%4)।</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>%1 के बारे में</translation>
    </message>
    <message>
        <source>The list of places is made from GeoNames (geonames.org), licensed under CC BY 4.0.</source>
        <translation>स्थानों की सूची GeoNames (geonames.org) से बनी है, CC BY 4.0 अनुज्ञा के अंतर्गत।</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>विभाजक रेखा</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्तूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
    </message>
    <message>
        <source>Open Previously Saved Reading</source>
        <translation>पहले सहेजा गया फल खोलें</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजा गया फल खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>Moment of loss</source>
        <translation>खोने का क्षण</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>वापस</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>Picture of the nakshatra</source>
        <translation>नक्षत्र का चित्र</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर लिखें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य लिखें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश लिखें</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>केवल अंक स्वीकार्य हैं</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>अक्षांश के अंश</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>देशांतर के अंश</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>अक्षांश की कला</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>देशांतर की कला</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>कला</translation>
    </message>
    <message>
        <source>Details Of Day On Which Object Was Lost</source>
        <translation>जिस दिन वस्तु खोई, उस दिन का विवरण</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>सेकंड</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>माह</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>घं:मि:से</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>समय</translation>
    </message>
    <message>
        <source>Time zone hours</source>
        <translation>समय क्षेत्र के घंटे</translation>
    </message>
    <message>
        <source>Time zone minutes</source>
        <translation>समय क्षेत्र के मिनट</translation>
    </message>
    <message>
        <source>Daylight saving time in force</source>
        <translation>डेलाइट सेविंग समय लागू</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>Time zone help</source>
        <translation>समय क्षेत्र सहायता</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>समय क्षेत्र सहायता</translation>
    </message>
    <message>
        <source>Pick the time zone from a list</source>
        <translation>सूची से समय क्षेत्र चुनें</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>अक्षांश और देशांतर खोजने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश और देशांतर खोजने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Get My Vantrel Reading</source>
        <translation>मेरा वंत्रेल फल बताएँ</translation>
    </message>
    <message>
        <source>&amp;Get My Vantrel Reading</source>
        <translation>मेरा वंत्रेल फल बताएँ (&amp;G)</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>फल की फ़ाइल चुनें</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>कृपया फ़ाइल जाँचें।</translation>
    </message>
    <message>
        <source>There is no saved reading at %1.</source>
        <translation>%1 पर कोई सहेजा गया फल नहीं है।</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से है।
क्या आप इसे बदलना चाहते हैं?</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>फल इस रूप में सहेजें</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>फ़ाइल लिखी नहीं जा सकी</translation>
    </message>
    <message>
        <source>The reading was not saved to %1: %2.
Any earlier file of that name is unchanged.</source>
        <translation>फल %1 में सहेजा नहीं गया: %2।
उस नाम की कोई पुरानी फ़ाइल जैसी थी वैसी ही है।</translation>
    </message>
    <message>
        <source>Moon&apos;s position</source>
        <translation>चंद्रमा की स्थिति</translation>
    </message>
    <message>
        <source>Nearest change of reading</source>
        <translation>फल का निकटतम परिवर्तन</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>सावधानी</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>Copy the reading</source>
        <translation>फल कॉपी करें</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>फल छापा नहीं जा सका।</translation>
    </message>
    <message>
        <source>Export Reading as PDF</source>
        <translation>फल PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फ़ाइलें (*.pdf)</translation>
    </message>
    <message>
        <source>Nakshatra for the day</source>
        <translation>उस दिन का नक्षत्र</translation>
    </message>
    <message>
        <source>Nakshatra Group</source>
        <translation>नक्षत्र वर्ग</translation>
    </message>
    <message>
        <source>Characteristics</source>
        <translation>लक्षण</translation>
    </message>
    <message>
        <source>Interpretation for Recovery of Lost Objects</source>
        <translation>खोई वस्तु की प्राप्ति का फलादेश</translation>
    </message>
    <message>
        <source>Date on which the Object was lost</source>
        <translation>वस्तु खोने की तिथि</translation>
    </message>
    <message>
        <source>Zone in universal time</source>
        <translation>सार्वभौमिक समय में समय क्षेत्र</translation>
    </message>
    <message>
        <source>Time zone of the chosen place</source>
        <translation>चुने गए स्थान का समय क्षेत्र</translation>
    </message>
    <message>
        <source>Note on the place</source>
        <translation>स्थान पर टिप्पणी</translation>
    </message>
    <message>
        <source>%1
This reading cannot be opened.</source>
        <translation>%1
यह फल खोला नहीं जा सकता।</translation>
    </message>
    <message>
        <source>Zone warning</source>
        <translation>समय क्षेत्र चेतावनी</translation>
    </message>
    <message>
        <source>The reading could not be saved as a PDF file.
%1: %2.
Any earlier file of that name is unchanged.</source>
        <translation>फल PDF फ़ाइल के रूप में सहेजा नहीं जा सका।
%1: %2।
उस नाम की कोई पुरानी फ़ाइल जैसी थी वैसी ही है।</translation>
    </message>
</context>
<context>
    <name>frmReferFriend</name>
    <message>
        <source>Refer A Friend</source>
        <translation>मित्र को बताएँ</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>अभी %1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बंद करें (&amp;X)</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>आपका ई-मेल पता</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>मित्र का नाम</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>मित्र का ई-मेल पता</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>अभी मित्र को बताएँ</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>अभी मित्र को बताएँ (&amp;N)</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>संदेश</translation>
    </message>
    <message>
        <source>Download Sorvane Softwares</source>
        <translation>सोरवेन सॉफ़्टवेयर डाउनलोड करें</translation>
    </message>
    <message>
        <source>Click Here To Visit Sorvane Softwares</source>
        <translation>सोरवेन सॉफ़्टवेयर देखने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ई-मेल पते में रिक्त स्थान नहीं हो सकता</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>आपका ई-मेल पता</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>मित्र का नाम</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>मित्र का ई-मेल पता</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>आपका संदेश</translation>
    </message>
    <message>
        <source>Programs like this one can only be created and maintained with the support of their users, and the best support you can give is to visit %1 regularly and take part in its discussions.</source>
        <translation>ऐसे प्रोग्राम अपने उपयोगकर्ताओं के सहयोग से ही बनते और चलते हैं, और आपका सबसे अच्छा सहयोग यह है कि आप नियमित रूप से %1 पर आएँ और वहाँ की चर्चाओं में भाग लें।</translation>
    </message>
    <message>
        <source>We cannot support and maintain programs like this one without your regular visits. Please visit %1 often and join in the discussions there.</source>
        <translation>आपके नियमित आगमन के बिना हम ऐसे प्रोग्राम नहीं चला सकते। कृपया बार-बार %1 पर आएँ और वहाँ की चर्चाओं में भाग लें।</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum. Please visit it regularly and take part in its discussions: your visits help us develop and maintain this program.</source>
        <translation>%1 एक निःशुल्क ऑनलाइन चर्चा मंच है। कृपया नियमित रूप से वहाँ आएँ और चर्चाओं में भाग लें: आपके आगमन से हमें यह प्रोग्राम बनाने और चलाने में सहायता मिलती है।</translation>
    </message>
    <message>
        <source>%1 needs your help to maintain these programs and to develop more of them. Please visit it regularly and take part in its discussions.</source>
        <translation>इन प्रोग्रामों को चलाने और नए बनाने के लिए %1 को आपकी सहायता चाहिए। कृपया नियमित रूप से वहाँ आएँ और चर्चाओं में भाग लें।</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Sorvane Softwares. What began as a single program has grown into a large collection of programs on astrology, psychic subjects, tarot, numerology and the occult. They are simple, easy to use, entertaining and informative. Try them out, and share the experience with your friends and family.</source>
        <translation>यदि आपको यह सॉफ़्टवेयर अच्छा लगा, तो हमारे अन्य सोरवेन सॉफ़्टवेयर भी आपको अवश्य रुचेंगे। एक प्रोग्राम से आरंभ होकर यह ज्योतिष, परामनोविज्ञान, टैरो, अंकशास्त्र और गूढ़ विद्याओं के प्रोग्रामों का बड़ा संग्रह बन गया है। ये सरल, प्रयोग में आसान, मनोरंजक और ज्ञानवर्धक हैं। इन्हें आज़माएँ, और अपना अनुभव मित्रों व परिवार के साथ बाँटें।</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time zone picker</source>
        <translation>समय क्षेत्र चयन</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Use Zone</source>
        <translation>यह क्षेत्र लें</translation>
    </message>
    <message>
        <source>&amp;Use Zone</source>
        <translation>यह क्षेत्र लें (&amp;U)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बंद करें (&amp;Q)</translation>
    </message>
</context>
<context>
    <name>modNakshatraInformation</name>
    <message>
        <source>%1 %2, %3</source>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>Ashwini</source>
        <translation>अश्विनी</translation>
    </message>
    <message>
        <source>Group One (Mandaksh)</source>
        <translation>पहला वर्ग (मंदाक्ष)</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>भरणी</translation>
    </message>
    <message>
        <source>Group Two (Madhayaksh)</source>
        <translation>दूसरा वर्ग (मध्याक्ष)</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>कृत्तिका</translation>
    </message>
    <message>
        <source>Group Three (Sulochan)</source>
        <translation>तीसरा वर्ग (सुलोचन)</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>रोहिणी</translation>
    </message>
    <message>
        <source>Group Four (Andhaksh)</source>
        <translation>चौथा वर्ग (अंधाक्ष)</translation>
    </message>
    <message>
        <source>Mrigasira</source>
        <translation>मृगशिरा</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>आर्द्रा</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>पुनर्वसु</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>पुष्य</translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <translation>आश्लेषा</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>मघा</translation>
    </message>
    <message>
        <source>Poorva Phalguni</source>
        <translation>पूर्वा फाल्गुनी</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>उत्तरा फाल्गुनी</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>हस्त</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>चित्रा</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>स्वाति</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>विशाखा</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>अनुराधा</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>ज्येष्ठा</translation>
    </message>
    <message>
        <source>Moola</source>
        <translation>मूल</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>पूर्वाषाढ़ा</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>उत्तराषाढ़ा</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>श्रवण</translation>
    </message>
    <message>
        <source>Dhanistha</source>
        <translation>धनिष्ठा</translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <translation>शतभिषा</translation>
    </message>
    <message>
        <source>Poorva Bhadrapada</source>
        <translation>पूर्वा भाद्रपद</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>उत्तरा भाद्रपद</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>रेवती</translation>
    </message>
    <message>
        <source>Things lost during this group have gone towards South direction and will be retieved only after much effort.</source>
        <translation>इस वर्ग में खोई वस्तुएँ दक्षिण दिशा की ओर गई हैं और बहुत प्रयास के बाद ही मिलेंगी।</translation>
    </message>
    <message>
        <source>Search in the south direction to find the lost object. You will need to make a lot of effort to find the object.</source>
        <translation>खोई वस्तु को दक्षिण दिशा में खोजें। वस्तु पाने के लिए आपको बहुत प्रयास करना होगा।</translation>
    </message>
    <message>
        <source>search to the south; found after much effort</source>
        <translation>दक्षिण दिशा में खोजें; बहुत प्रयास के बाद मिलेगी</translation>
    </message>
    <message>
        <source>Things lost during this group have gone to westernside and will not be available even after being traced.</source>
        <translation>इस वर्ग में खोई वस्तुएँ पश्चिम दिशा की ओर गई हैं और पता चलने पर भी काम की नहीं रहेंगी।</translation>
    </message>
    <message>
        <source>Search in the west direction to find the lost object. You will need to make a lot of effort but may not be able to use the object once found.</source>
        <translation>खोई वस्तु को पश्चिम दिशा में खोजें। बहुत प्रयास करना होगा, पर मिलने पर भी वस्तु शायद काम न आए।</translation>
    </message>
    <message>
        <source>search to the west; may not be usable once found</source>
        <translation>पश्चिम दिशा में खोजें; मिलने पर भी शायद काम न आए</translation>
    </message>
    <message>
        <source>Things lost during this group goes towards North direction and are neither traced nor recovered.</source>
        <translation>इस वर्ग में खोई वस्तुएँ उत्तर दिशा की ओर जाती हैं; न उनका पता चलता है, न वे मिलती हैं।</translation>
    </message>
    <message>
        <source>Search in the north direction to find the lost object. You may not find the object.</source>
        <translation>खोई वस्तु को उत्तर दिशा में खोजें। वस्तु शायद न मिले।</translation>
    </message>
    <message>
        <source>search to the north; may not be found</source>
        <translation>उत्तर दिशा में खोजें; शायद न मिले</translation>
    </message>
    <message>
        <source>Things lost during this period have gone to the eastern side and will be recovered shortly.</source>
        <translation>इस काल में खोई वस्तुएँ पूर्व दिशा की ओर गई हैं और शीघ्र मिल जाएँगी।</translation>
    </message>
    <message>
        <source>Search in the east direction to find the lost object. You will find the lost object soon.</source>
        <translation>खोई वस्तु को पूर्व दिशा में खोजें। खोई वस्तु आपको शीघ्र मिल जाएगी।</translation>
    </message>
    <message>
        <source>search to the east; found soon</source>
        <translation>पूर्व दिशा में खोजें; शीघ्र मिलेगी</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>कृपया अलग-अलग ई-मेल पते लिखें</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>कृपया सही ई-मेल पता लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>कृपया अपना ई-मेल लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>कृपया अपना संदेश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>कृपया अपने मित्र का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>कृपया अपने मित्र का ई-मेल लिखें</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>This file is set to read-only. Choose another file.</source>
        <translation>यह फ़ाइल केवल पढ़ने के लिए है। दूसरी फ़ाइल चुनें।</translation>
    </message>
    <message>
        <source>This file is in a write-protected folder. Choose another file.</source>
        <translation>यह फ़ाइल लेखन-सुरक्षित फ़ोल्डर में है। दूसरी फ़ाइल चुनें।</translation>
    </message>
</context>
</TS>
