#include "SampleData.h"

#include "DateText.h"
#include "LineAmounts.h"
#include "PdfDocument.h"
#include "PictureFactory.h"
#include "Store.h"
#include "StoreError.h"
#include "TextRules.h"

#include <QDate>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QStringList>

#include <array>

namespace vorpa {

namespace {

struct Dealer {
    const char *code;
    const char *name;
    const char *district;
    const char *city;
    const char *contact;
    int seller;
    int term;
};

const Dealer kDealers[] = {
    {"120.01.001", "Anadolu Oto Yedek Parça Ltd. Şti.", "Ostim", "Ankara", "Hasan Öztürk", 1, 30},
    {"120.01.002", "Ege Otomotiv San. ve Tic. A.Ş.", "Bornova", "İzmir", "Ayşe Çelik", 2, 45},
    {"120.01.003", "Marmara Oto Parça", "İkitelli", "İstanbul", "Mehmet Şahin", 1, 30},
    {"120.01.004", "Karadeniz Yedek Parça Ltd.", "İlkadım", "Samsun", "Fatma Aydın", 3, 60},
    {"120.01.005", "Akdeniz Otomotiv", "Kepez", "Antalya", "Ali Yıldız", 2, 30},
    {"120.01.006", "Çukurova Oto Market", "Seyhan", "Adana", "Zeynep Arslan", 3, 30},
    {"120.01.007", "Trakya Oto Yedek Parça", "Merkez", "Edirne", "Mustafa Doğan", 1, 30},
    {"120.01.008", "Doğu Anadolu Otomotiv", "Yakutiye", "Erzurum", "Emine Kılıç", 3, 90},
};

struct User {
    const char *name;
    const char *password;
    int customer;
    int role;
    int active;
    int seller;
};

const User kUsers[] = {
    {SampleData::DemoDealerUser, SampleData::DemoDealerPassword, 1, 0, 1, 0},
    {"EGE", "2222", 2, 0, 1, 0},
    {"MARMARA", "3333", 3, 3, 1, 0},
    {"KARADENIZ", "4444", 4, 4, 1, 0},
    {"AKDENIZ", "5555", 5, 0, 1, 0},
    {"CUKUROVA", "6666", 6, 3, 1, 0},
    {"TRAKYA", "7777", 7, 0, 0, 0},
    {"DOGU", "8888", 8, 4, 1, 0},
    {SampleData::DemoStaffUser, SampleData::DemoStaffPassword, 0, 1, 1, 1},
    {"MUDUR", "9999", 0, 2, 1, 0},
};

const char *const kBrands[] = {
    "BOSCH", "VALEO", "MANN-FILTER", "SACHS", "TRW", "FEBI", "LEMFÖRDER", "MAHLE", "NGK", "DELPHI",
    "BREMBO", "SKF", "GATES", "CONTINENTAL", "KNECHT", "HELLA", "MEYLE", "SWAG", "FILTRON", "DAYCO",
    "LUK", "INA", "FAG", "MONROE", "KYB", "DENSO", "MAGNETI MARELLI", "PIERBURG", "ELRING", "VICTOR REINZ",
    "CORTECO", "OSRAM", "PHILIPS", "BERU", "ATE", "TEXTAR", "FERODO", "MOOG", "NISSENS", "BEHR",
};

const char *const kModels[] = {
    "FIAT DOBLO 1.3 MJET", "FIAT EGEA 1.4", "RENAULT CLIO IV 1.5 DCI", "RENAULT MEGANE III 1.5 DCI",
    "FORD FOCUS III 1.6 TDCI", "FORD TRANSIT CONNECT 1.8", "VW PASSAT B7 2.0 TDI", "VW GOLF VII 1.6 TDI",
    "TOYOTA COROLLA 1.6", "HYUNDAI ACCENT BLUE 1.6", "OPEL ASTRA J 1.4", "PEUGEOT 301 1.6 HDI",
    "DACIA DUSTER 1.5 DCI", "CITROEN C-ELYSEE 1.6", "HONDA CIVIC 1.6", "SKODA OCTAVIA 1.6 TDI",
};

struct Group {
    const char *name;
    const char *mainGroup;
    const char *unit;
    double minPrice;
    double maxPrice;
};

const Group kGroups[] = {
    {"FREN BALATASI ÖN", "FREN SİSTEMİ", "TAKIM", 350, 1800},
    {"FREN BALATASI ARKA", "FREN SİSTEMİ", "TAKIM", 300, 1500},
    {"FREN DİSKİ ÖN", "FREN SİSTEMİ", "ADET", 600, 3200},
    {"YAĞ FİLTRESİ", "FİLTRE", "ADET", 90, 450},
    {"HAVA FİLTRESİ", "FİLTRE", "ADET", 120, 600},
    {"POLEN FİLTRESİ", "FİLTRE", "ADET", 100, 500},
    {"YAKIT FİLTRESİ", "FİLTRE", "ADET", 150, 900},
    {"DEBRİYAJ SETİ", "ŞANZIMAN", "TAKIM", 2500, 9000},
    {"AMORTİSÖR ÖN", "SÜSPANSİYON", "ADET", 900, 4200},
    {"ROTİL", "SÜSPANSİYON", "ADET", 200, 900},
    {"ROT BAŞI", "SÜSPANSİYON", "ADET", 180, 850},
    {"SALINCAK", "SÜSPANSİYON", "ADET", 700, 3000},
    {"TRİGER SETİ", "MOTOR", "TAKIM", 1800, 7000},
    {"DEVİRDAİM POMPASI", "SOĞUTMA", "ADET", 800, 3500},
    {"BUJİ", "ELEKTRİK", "ADET", 80, 400},
    {"ATEŞLEME BOBİNİ", "ELEKTRİK", "ADET", 600, 2500},
    {"RADYATÖR", "SOĞUTMA", "ADET", 1500, 6000},
    {"TERMOSTAT", "SOĞUTMA", "ADET", 250, 1100},
    {"V KAYIŞI", "MOTOR", "ADET", 120, 600},
    {"ŞARJ DİNAMOSU", "ELEKTRİK", "ADET", 3500, 12000},
    {"MARŞ MOTORU", "ELEKTRİK", "ADET", 3000, 11000},
    {"SİLECEK SÜPÜRGESİ", "ELEKTRİK", "TAKIM", 150, 700},
    {"AKS KÖRÜĞÜ", "ŞANZIMAN", "ADET", 90, 400},
    {"TEKER RULMANI", "SÜSPANSİYON", "ADET", 400, 1900},
    {"MOTOR TAKOZU", "MOTOR", "ADET", 350, 1600},
    {"SİLİNDİR KAPAK CONTASI", "MOTOR", "ADET", 300, 1400},
    {"KALORİFER MOTORU", "SOĞUTMA", "ADET", 900, 3800},
    {"TURBO HORTUMU", "MOTOR", "ADET", 400, 2100},
};

const char *const kOrderStates[] = {"", "", "Alındı", "Onaylandı", "Görüldü", "Parçalı Hazırlandı", "Hazırlandı", "Sevk Edildi"};

class Generator {
public:
    Generator(QSqlDatabase &db, const SampleData::Options &options)
        : m_db(db), m_rng(options.seed), m_size(qMax(50, options.catalogueSize))
    {
    }

    void run()
    {
        settings();
        people();
        catalogue();
        deliveryChoices();
        announcements();
        baskets();
        orders();
        statements();
    }

private:
    int between(int low, int high) { return low + int(m_rng.bounded(high - low + 1)); }
    double money(double low, double high)
    {
        return text::roundMoney(low + (high - low) * m_rng.generateDouble());
    }
    template <typename T, size_t N>
    const T &pick(const T (&items)[N]) { return items[m_rng.bounded(quint32(N))]; }
    QString day(int daysAgo, int hour = 10) const
    {
        return dates::toText(QDateTime(m_today.addDays(-daysAgo), QTime(hour, (daysAgo * 7) % 60)));
    }

    void settings()
    {
        QSqlQuery put = Store::prepare(m_db, QStringLiteral("INSERT INTO ayar (ANAHTAR, METIN, VERI) VALUES (?, ?, ?)"));
        auto add = [&](const char *key, const QString &text, const QByteArray &data) {
            Store::bind(put, 0, QString::fromLatin1(key));
            Store::bind(put, 1, text);
            Store::bind(put, 2, data.isNull() ? QVariant(QMetaType(QMetaType::QByteArray)) : QVariant(data));
            Store::exec(put);
        };
        add("VERSION", QStringLiteral("5"), {});
        add("KAYANYAZI",
            QStringLiteral("<b>Vorpa Otomotiv</b> &nbsp; Fren ürünlerinde <font color=\"#E20A17\"><b>%15'e varan indirim</b></font>"
                           " &nbsp;&bull;&nbsp; 16:00'ya kadar verilen siparişler aynı gün kargoda"
                           " &nbsp;&bull;&nbsp; Yeni gelen triger setleri için <i>Yeni Stoklar</i> sekmesine bakınız."),
            {});
        add("BANNER2", QString(), PictureFactory::upperBannerGif());
        add("BANNER3", QString(), PictureFactory::lowerBannerBmp());
    }

    void people()
    {
        QSqlQuery seller = Store::prepare(m_db, QStringLiteral(
            "INSERT INTO satici (SATICINO, ADI, TELEFON, MAIL) VALUES (?, ?, ?, ?)"));
        const std::array<std::array<const char *, 3>, 3> sellers = {{
            {"Ahmet Yılmaz", "0532 411 20 01", "ahmet.yilmaz@vorpaotomotiv.com.tr"},
            {"Elif Demir", "0533 522 30 02", "elif.demir@vorpaotomotiv.com.tr"},
            {"Murat Kaya", "0535 633 40 03", "murat.kaya@vorpaotomotiv.com.tr"},
        }};
        for (int i = 0; i < 3; ++i) {
            Store::bind(seller, 0, i + 1);
            Store::bind(seller, 1, QString::fromUtf8(sellers[i][0]));
            Store::bind(seller, 2, QString::fromUtf8(sellers[i][1]));
            Store::bind(seller, 3, QString::fromUtf8(sellers[i][2]));
            Store::exec(seller);
        }

        QSqlQuery dealer = Store::prepare(m_db, QStringLiteral(
            "INSERT INTO cari (CARINO, CARIKOD, CARIADI, OZELKOD, ANAGRUP, ALTGRUP, KOD1, ADRES1, ADRES2, ILCE, IL, ULKE,"
            " TEL1, TEL2, FAX1, GSM, EMAIL, YETKILI, VERGIDAIRESI, VERGINO, INDIRIM, VADE, VADEKONTROLGUN, SATICINO, ARAMA)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        int no = 1;
        for (const Dealer &d : kDealers) {
            const QString name = QString::fromUtf8(d.name);
            const QString city = QString::fromUtf8(d.city);
            const QVariantList values = {
                no, QString::fromLatin1(d.code), name, QStringLiteral("BAYİ"), QStringLiteral("YETKİLİ SATICI"),
                city, QStringLiteral("B2B"),
                QStringLiteral("%1 Sanayi Sitesi %2. Blok No:%3").arg(QString::fromUtf8(d.district)).arg(no).arg(10 + no * 3),
                QStringLiteral("Oto Yedek Parça Çarşısı"), QString::fromUtf8(d.district), city, QStringLiteral("Türkiye"),
                QStringLiteral("0%1 555 %2 %3").arg(200 + no * 11).arg(10 + no, 2, 10, QLatin1Char('0')).arg(40 + no),
                QStringLiteral("0%1 555 %2 %3").arg(200 + no * 11).arg(20 + no, 2, 10, QLatin1Char('0')).arg(50 + no),
                QStringLiteral("0%1 555 %2 99").arg(200 + no * 11).arg(30 + no, 2, 10, QLatin1Char('0')),
                QStringLiteral("0532 %1 %2 %3").arg(300 + no).arg(10 + no).arg(20 + no),
                QStringLiteral("info@bayi%1.com.tr").arg(no), QString::fromUtf8(d.contact),
                QStringLiteral("%1 Vergi Dairesi").arg(city), QStringLiteral("%1").arg(1234567000 + no * 111),
                double(5 * (no % 3)), d.term, d.term, d.seller,
                text::searchForm(QString::fromLatin1(d.code) + u' ' + name + u' ' + city),
            };
            for (int i = 0; i < values.size(); ++i)
                Store::bind(dealer, i, values[i]);
            Store::exec(dealer);
            ++no;
        }

        QSqlQuery user = Store::prepare(m_db, QStringLiteral(
            "INSERT INTO kullanici (ADI, SIFRE, CARINO, AKTIF, MAIL, MUSTERITIPI, SATICINO) VALUES (?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery station = Store::prepare(m_db, QStringLiteral(
            "INSERT INTO istasyon (BILGISAYARID, KULLANICINO, KAYITTARIHI) VALUES (?, ?, ?)"));
        int userNo = 1;
        for (const User &u : kUsers) {
            const QString name = QString::fromLatin1(u.name);
            Store::bind(user, 0, name);
            Store::bind(user, 1, QString::fromLatin1(u.password));
            Store::bind(user, 2, u.customer);
            Store::bind(user, 3, u.active);
            Store::bind(user, 4, QStringLiteral("%1@vorpab2b.com.tr").arg(name.toLower()));
            Store::bind(user, 5, u.role);
            Store::bind(user, 6, u.seller);
            Store::exec(user);
            m_userOfCustomer[u.customer] = userNo;
            Store::bind(station, 0, QStringLiteral("VORPA-") + name);
            Store::bind(station, 1, userNo);
            Store::bind(station, 2, dates::nowText());
            Store::exec(station);
            ++userNo;
        }
    }

    void catalogue()
    {
        QSqlQuery item = Store::prepare(m_db, QStringLiteral(
            "INSERT INTO stok (STOKNO, BARKOD, ADI, DIGERADI, MARKA, MODEL, FINISHKOD, URETICIKODU, OEM1, OEM2, OEM3, OEM4,"
            " OEMNO, BIRIM, ANAGRUP, OZELKOD, DPKOD, PKOD, BARKODNO, DURUM, DEPO2, KDV, LISTEFIYAT1, FIYAT, IND1, IND2, IND3,"
            " IND4, INDIRIMYAZI, NETFIYAT, KDVDAHIL, K, KAMPFIYAT, Y, RESIM, ELDEKI, VERILENSIPARIS, ARAMA)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery picture = Store::prepare(m_db, QStringLiteral("INSERT INTO stok_resim (STOKNO, RESIM) VALUES (?, ?)"));
        const int pictureEvery = qMax(1, m_size / qMin(300, qMax(10, m_size / 20)));
        const double rates1[] = {0, 0, 10, 15, 20, 25, 30};
        const double rates2[] = {0, 0, 0, 5, 10};
        const double rates3[] = {0, 0, 0, 0, 2.5, 5};
        const double rates4[] = {0, 0, 0, 0, 0, 0, 2};
        const int states[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 2, 2, 3, 3, 4, 5};

        QVariantList values(38);
        for (int no = 1; no <= m_size; ++no) {
            const Group &g = kGroups[(no * 7 + m_rng.bounded(3u)) % std::size(kGroups)];
            const QString brand = QString::fromUtf8(kBrands[(no - 1) % std::size(kBrands)]);
            const QString model = QString::fromLatin1(pick(kModels));
            const QString groupName = QString::fromUtf8(g.name);
            const QString code = QStringLiteral("%1-%2").arg(brand.left(3).toUpper()).arg(100000 + no);
            const QString oem1 = QStringLiteral("%1-%2%3").arg(between(10000, 99999)).arg(QChar(u'A' + between(0, 25)))
                                     .arg(between(100, 999));
            const QString oem2 = QStringLiteral("%1 %2 %3").arg(between(100, 999)).arg(between(100, 999)).arg(between(10, 99));
            const QString oem3 = m_rng.bounded(3u) == 0 ? QStringLiteral("%1%2").arg(between(1000, 9999)).arg(between(1000, 9999)) : QString();
            const QString oem4 = m_rng.bounded(5u) == 0 ? QStringLiteral("0 986 %1 %2").arg(between(100, 999)).arg(between(100, 999)) : QString();
            const int state = states[m_rng.bounded(quint32(std::size(states)))];
            const double list = money(g.minPrice, g.maxPrice);
            const bool campaign = m_rng.bounded(25u) == 0;
            const double campaignPrice = campaign ? text::roundMoney(list * 0.8) : 0.0;
            const std::array<double, 4> rates = campaign
                ? std::array<double, 4>{0, 0, 0, 0}
                : std::array<double, 4>{pick(rates1), pick(rates2), pick(rates3), pick(rates4)};
            const double price = campaign ? campaignPrice : list;
            const LineAmounts unit = LineAmounts::compute(1, price, rates, 20);
            const bool hasPicture = no % pictureEvery == 0;
            const QString name = groupName + u' ' + model;
            const QString finish = QStringLiteral("FN%1").arg(between(10000, 99999));
            const QString producer = QStringLiteral("%1").arg(between(1000000, 9999999));
            const QStringList searchable = {code, name, brand, model, oem1, oem2, oem3, oem4, finish, producer};
            QStringList key;
            for (const QString &part : searchable) {
                if (!part.isEmpty())
                    key << text::compactForm(part) << text::searchForm(part);
            }

            values[0] = no;
            values[1] = code;
            values[2] = name;
            values[3] = brand + u' ' + groupName;
            values[4] = brand;
            values[5] = model;
            values[6] = finish;
            values[7] = producer;
            values[8] = oem1;
            values[9] = oem2;
            values[10] = oem3;
            values[11] = oem4;
            values[12] = oem1;
            values[13] = QString::fromUtf8(g.unit);
            values[14] = QString::fromUtf8(g.mainGroup);
            values[15] = campaign ? QStringLiteral("KAMPANYA") : QStringLiteral("STANDART");
            values[16] = QStringLiteral("DP%1").arg(no % 50);
            values[17] = QStringLiteral("P%1").arg(no % 20);
            values[18] = 800000 + no;
            values[19] = state;
            values[20] = m_rng.bounded(3u) == 0 ? QStringLiteral("VAR") : QStringLiteral("YOK");
            values[21] = 20.0;
            values[22] = list;
            values[23] = price;
            values[24] = rates[0];
            values[25] = rates[1];
            values[26] = rates[2];
            values[27] = rates[3];
            values[28] = text::discountText(rates[0], rates[1], rates[2], rates[3]);
            values[29] = unit.netBirimFiyat;
            values[30] = text::roundMoney(unit.netBirimFiyat * 1.2);
            values[31] = campaign ? 1 : 0;
            values[32] = campaignPrice;
            values[33] = m_rng.bounded(30u) == 0 ? 1 : 0;
            values[34] = hasPicture ? 1 : 0;
            values[35] = state == 0 ? 0.0 : double(between(1, 400));
            values[36] = double(m_rng.bounded(4u) == 0 ? between(5, 100) : 0);
            values[37] = key.join(u' ');
            for (int i = 0; i < values.size(); ++i)
                Store::bind(item, i, values[i]);
            Store::exec(item);

            if (hasPicture) {
                Store::bind(picture, 0, no);
                Store::bind(picture, 1, PictureFactory::stockPicture(no, brand, code, groupName));
                Store::exec(picture);
            }
            m_prices.push_back({price, rates, code, name});
        }
    }

    void deliveryChoices()
    {
        const char *const deliveries[] = {"Kargo ile Gönderim", "Depodan Teslim Alınacak", "Servis Aracı ile Teslim"};
        int id = 1;
        for (const char *d : deliveries)
            Store::run(m_db, QStringLiteral("INSERT INTO teslim (ID, ADI) VALUES (?, ?)"), {id++, QString::fromUtf8(d)});
        const char *const kinds[] = {"Anlaşmalı Kargo", "Ambar", "Alıcı Ödemeli Kargo", "Kendi Aracımız"};
        id = 1;
        for (const char *k : kinds)
            Store::run(m_db, QStringLiteral("INSERT INTO kargo_turu (ID, ADI) VALUES (?, ?)"), {id++, QString::fromUtf8(k)});
        struct Company {
            int kind;
            const char *name;
            const char *warning;
        };
        // The ambar kind has exactly one company, our own vehicles none.
        const Company companies[] = {
            {1, "Yurtiçi Kargo", "16:00'dan sonra verilen siparişler ertesi gün kargoya verilir."},
            {1, "Aras Kargo", ""},
            {1, "MNG Kargo", "Desi hesabı kargo firmasınca yapılır."},
            {2, "Özgür Ambar", "Ambar teslimleri yalnızca hafta içi yapılır."},
            {3, "Yurtiçi Kargo", "Alıcı ödemeli gönderilerde kargo ücreti teslimde tahsil edilir."},
            {3, "Sürat Kargo", ""},
        };
        id = 1;
        for (const Company &c : companies)
            Store::run(m_db, QStringLiteral("INSERT INTO kargo_firma (SIRANO, TURID, ADI, UYARI) VALUES (?, ?, ?, ?)"),
                       {id++, c.kind, QString::fromUtf8(c.name), QString::fromUtf8(c.warning)});
    }

    void announcements()
    {
        struct Entry {
            const char *title;
            const char *subtitle;
            const char *target;
        };
        const Entry entries[] = {
            {"Fren Ürünlerinde Kampanya", "Seçili balata ve disklerde %15'e varan indirim", "#KAMPANYA#"},
            {"Yeni Gelen Ürünler", "Triger setleri ve filtrelerde yeni kodlar stoklarda", "#YENİ#"},
            {"BOSCH Ürünlerinde Fırsat", "Tüm BOSCH ürünlerini hemen inceleyin", "BOSCH"},
            {"Triger Setleri", "Binek ve hafif ticari araçlar için", "TRIGER SETI"},
        };
        int no = 1;
        for (const Entry &e : entries) {
            Store::run(m_db, QStringLiteral("INSERT INTO acilis_ekran (SIRANO, BASLIK, ARAMA, RESIM) VALUES (?, ?, ?, ?)"),
                       {no, QString::fromUtf8(e.title), QString::fromUtf8(e.target),
                        PictureFactory::announcementPicture(QString::fromUtf8(e.title), QString::fromUtf8(e.subtitle), no)});
            ++no;
        }
    }

    struct Price {
        double price;
        std::array<double, 4> rates;
        QString code;
        QString name;
    };

    const Price &item(int stockNo) const { return m_prices[size_t(stockNo - 1)]; }
    int randomStock() { return between(1, m_size); }

    void baskets()
    {
        QSqlQuery line = Store::prepare(m_db, QStringLiteral(
            "INSERT INTO sepet (CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, BIRIMFIYAT, INDIRIMORANI1, INDIRIMORANI2,"
            " INDIRIMORANI3, INDIRIMORANI4, INDIRIMYAZI, KDV, TUTAR, INDIRIMTUTAR, VERGITUTARI, NETBIRIMFIYAT, NETTUTAR,"
            " SEC, K, VERENIDNO, TARIH) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        const int lines[] = {3, 2, 4, 0, 1, 2, 0, 1};
        for (int customer = 1; customer <= int(std::size(kDealers)); ++customer) {
            for (int i = 0; i < lines[customer - 1]; ++i) {
                const int stock = randomStock();
                const Price &p = item(stock);
                const double quantity = between(1, 6);
                const LineAmounts a = LineAmounts::compute(quantity, p.price, p.rates, 20);
                const QVariantList values = {
                    customer, stock, p.code, p.name, quantity, p.price, p.rates[0], p.rates[1], p.rates[2], p.rates[3],
                    text::discountText(p.rates[0], p.rates[1], p.rates[2], p.rates[3]), 20.0, a.tutar, a.indirimTutar,
                    a.vergiTutari, a.netBirimFiyat, a.netTutar, i == 0 ? 0 : 1, 0, m_userOfCustomer.value(customer), day(i, 9 + i)};
                for (int v = 0; v < values.size(); ++v)
                    Store::bind(line, v, values[v]);
                Store::exec(line);
            }
        }
    }

    void orders()
    {
        QSqlQuery header = Store::prepare(m_db, QStringLiteral(
            "INSERT INTO siparis (CARINO, TARIH, VERENIDNO, TESLIMID, KARGOID, KARGOFIRMANO, DURUM, ACIKLAMA, ALANNOTU,"
            " SATICINOTU, TUTAR, INDIRIMTUTAR, VERGI, NETTUTAR) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, 0, 0)"));
        QSqlQuery line = Store::prepare(m_db, QStringLiteral(
            "INSERT INTO siparis_satir (SIPARISNO, CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, BIRIMFIYAT, ILKFIYAT,"
            " INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3, INDIRIMORANI4, INDIRIMYAZI, KDV, TUTAR, INDIRIMTUTAR,"
            " VERGITUTARI, NETBIRIMFIYAT, NETTUTAR, TESLIMEDILEN, KALAN, VERENIDNO, VERILISTARIHI)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        const char *const messages[] = {"", "Acil gönderim rica ederiz.", "Faturayı şirket adına kesiniz.", ""};
        const char *const notes[] = {"", "Siparişiniz hazırlanıyor.", "Bir kalem tedarik sürecindedir.", ""};
        const int companyOfKind[] = {0, 1, 4, 5, 0};
        for (int customer = 1; customer <= int(std::size(kDealers)); ++customer) {
            for (int n = 0; n < 7; ++n) {
                const int state = 2 + (n + customer) % 6;
                const int kind = 1 + (n % 3);
                const int daysAgo = 3 + n * 8 + customer;
                const QVariantList h = {customer, day(daysAgo, 11), m_userOfCustomer.value(customer), 1 + n % 3, kind,
                                        companyOfKind[kind], state, QString::fromUtf8(messages[n % 4]),
                                        QString::fromUtf8(notes[n % 4]),
                                        n % 3 == 1 ? QStringLiteral("Müşteri ile telefonda görüşüldü.") : QString()};
                for (int v = 0; v < h.size(); ++v)
                    Store::bind(header, v, h[v]);
                Store::exec(header);
                const int orderNo = header.lastInsertId().toInt();
                const int count = between(1, 4);
                for (int i = 0; i < count; ++i) {
                    const int stock = randomStock();
                    const Price &p = item(stock);
                    const double quantity = between(1, 10);
                    double delivered = 0;
                    if (state == 7)
                        delivered = (i == 0 && n % 2 == 0) ? qMax(0.0, quantity - between(1, 3)) : quantity;
                    else if (state == 5 && i == 0)
                        delivered = quantity > 1 ? quantity - 1 : 0;
                    const LineAmounts a = LineAmounts::compute(quantity, p.price, p.rates, 20);
                    const QVariantList values = {
                        orderNo, customer, stock, p.code, p.name, quantity, p.price, p.price, p.rates[0], p.rates[1],
                        p.rates[2], p.rates[3], text::discountText(p.rates[0], p.rates[1], p.rates[2], p.rates[3]), 20.0,
                        a.tutar, a.indirimTutar, a.vergiTutari, a.netBirimFiyat, a.netTutar, delivered, quantity - delivered,
                        m_userOfCustomer.value(customer), day(daysAgo, 11)};
                    for (int v = 0; v < values.size(); ++v)
                        Store::bind(line, v, values[v]);
                    Store::exec(line);
                }
                Store::run(m_db, QStringLiteral(
                    "UPDATE siparis SET TUTAR = (SELECT SUM(TUTAR) FROM siparis_satir WHERE SIPARISNO = ?),"
                    " INDIRIMTUTAR = (SELECT SUM(INDIRIMTUTAR) FROM siparis_satir WHERE SIPARISNO = ?),"
                    " VERGI = (SELECT SUM(VERGITUTARI) FROM siparis_satir WHERE SIPARISNO = ?),"
                    " NETTUTAR = (SELECT SUM(NETTUTAR) FROM siparis_satir WHERE SIPARISNO = ?) WHERE IDNO = ?"),
                    {orderNo, orderNo, orderNo, orderNo, orderNo});
            }
        }
    }

    void statements()
    {
        QSqlQuery entry = Store::prepare(m_db, QStringLiteral(
            "INSERT INTO cari_hareket (CARINO, TARIH, VADETARIHI, TURADI, EVRAK, BORC, ALACAK, GENELACIKLAMA, SATICINO)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery invoiceLine = Store::prepare(m_db, QStringLiteral(
            "INSERT INTO fatura_satir (FATURANO, STOKNO, MIKTAR, BIRIMFIYAT, INDIRIM1, INDIRIM2, KDV, TUTAR, TOPLAMINDIRIM,"
            " NETBIRIMFIYAT, NETTUTAR, VERGI, SATIRACIKLAMA, IRSALIYENO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery collectionLine = Store::prepare(m_db, QStringLiteral(
            "INSERT INTO tahsilat_satir (TAHSILATNO, TARIH, TURU, CINS, VADE, TUTAR, ACIKLAMA, EVRAKNO, REF)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery card = Store::prepare(m_db, QStringLiteral(
            "INSERT INTO sanalpos (TAHSILATNO, TUTAR, KARTNO, ONAYKODU, TARIH, PDF) VALUES (?, ?, ?, ?, ?, ?)"));

        int document = 1;
        for (int customer = 1; customer <= int(std::size(kDealers)); ++customer) {
            const Dealer &d = kDealers[customer - 1];
            auto add = [&](int daysAgo, const QString &kind, double debit, double credit, const QString &note) {
                Store::bind(entry, 0, customer);
                Store::bind(entry, 1, day(daysAgo, 14));
                Store::bind(entry, 2, day(daysAgo - d.term, 14));
                Store::bind(entry, 3, kind);
                Store::bind(entry, 4, QStringLiteral("VRP%1").arg(2024000 + document++, 7, 10, QLatin1Char('0')));
                Store::bind(entry, 5, debit);
                Store::bind(entry, 6, credit);
                Store::bind(entry, 7, note);
                Store::bind(entry, 8, d.seller);
                Store::exec(entry);
                return entry.lastInsertId().toInt();
            };
            auto invoice = [&](int daysAgo, const QString &kind, bool refund) {
                const int no = add(daysAgo, kind, 0, 0, QString());
                double total = 0;
                const int count = refund ? 1 : between(2, 6);
                for (int i = 0; i < count; ++i) {
                    const int stock = randomStock();
                    const Price &p = item(stock);
                    const double quantity = between(1, 8);
                    const std::array<double, 4> rates{p.rates[0], p.rates[1], 0, 0};
                    const LineAmounts a = LineAmounts::compute(quantity, p.price, rates, 20);
                    const QVariantList values = {no, stock, quantity, p.price, rates[0], rates[1], 20.0, a.tutar,
                                                 a.indirimTutar, a.netBirimFiyat, a.netTutar, a.vergiTutari, QString(),
                                                 QStringLiteral("IRS%1").arg(no)};
                    for (int v = 0; v < values.size(); ++v)
                        Store::bind(invoiceLine, v, values[v]);
                    Store::exec(invoiceLine);
                    total += a.netTutar + a.vergiTutari;
                }
                total = text::roundMoney(total);
                Store::run(m_db, QStringLiteral("UPDATE cari_hareket SET BORC = ?, ALACAK = ?, GENELACIKLAMA = ? WHERE IDNO = ?"),
                           {refund ? 0.0 : total, refund ? total : 0.0,
                            refund ? QStringLiteral("İade faturası") : QStringLiteral("%1 kalem parça").arg(count), no});
                return total;
            };
            auto collection = [&](int daysAgo, double amount, bool byCard) {
                const int no = add(daysAgo, QStringLiteral("Tahsilat"), 0, amount,
                                   byCard ? QStringLiteral("Sanal pos tahsilatı") : QStringLiteral("Nakit tahsilat"));
                const QVariantList values = {no, day(daysAgo, 14), byCard ? QStringLiteral("Kredi Kartı") : QStringLiteral("Nakit"),
                                             QStringLiteral("Tahsilat"), day(daysAgo, 14), amount,
                                             byCard ? QStringLiteral("Sanal pos ödemesi") : QStringLiteral("Kasa tahsilatı"),
                                             QStringLiteral("TH%1").arg(no), QStringLiteral("R%1").arg(no * 7)};
                for (int v = 0; v < values.size(); ++v)
                    Store::bind(collectionLine, v, values[v]);
                Store::exec(collectionLine);
                if (byCard) {
                    const QString cardNo = QStringLiteral("5401 **** **** %1").arg(between(1000, 9999));
                    const QString approval = QStringLiteral("%1").arg(between(100000, 999999));
                    PdfDocument receipt(QStringLiteral("Sanal Pos Ödeme Dekontu"));
                    receipt.addHeader(QStringLiteral("Cari:"), QString::fromUtf8(d.name));
                    receipt.addHeader(QStringLiteral("Cari Kod:"), QString::fromLatin1(d.code));
                    receipt.addHeader(QStringLiteral("Tarih:"), m_today.addDays(-daysAgo).toString(QStringLiteral("dd.MM.yyyy")));
                    receipt.addHeader(QStringLiteral("Kart No:"), cardNo);
                    receipt.addHeader(QStringLiteral("Onay Kodu:"), approval);
                    receipt.addHeader(QStringLiteral("Tutar:"), text::formatMoney(amount) + QStringLiteral(" TL"));
                    receipt.addFooter(QStringLiteral("Ödemeniz için teşekkür ederiz."));
                    const QVariantList c = {no, amount, cardNo, approval, day(daysAgo, 14), receipt.toPdf()};
                    for (int v = 0; v < c.size(); ++v)
                        Store::bind(card, v, c[v]);
                    Store::exec(card);
                }
            };

            // An opening balance, then invoices and collections; dealers 1, 2 and 6 leave old
            // invoices unpaid so that their overdue warning shows, dealer 5 is in credit.
            double balance = money(5000, 20000);
            add(150, QStringLiteral("Devir"), balance, 0, QStringLiteral("Önceki dönemden devir"));
            for (int step = 0; step < 6; ++step) {
                const int daysAgo = 140 - step * 22;
                balance += invoice(daysAgo, QStringLiteral("Satış Faturası"), false);
                const bool overdue = customer == 1 || customer == 2 || customer == 6;
                const double share = overdue ? 0.35 : (customer == 5 ? 1.3 : 0.9);
                const double paid = text::roundMoney(balance * share / (overdue ? 2.0 : 1.0));
                collection(daysAgo - 5, paid, step % 2 == 0 && customer <= 4);
                balance -= paid;
            }
            if (customer % 2 == 0) {
                const double refund = money(200, 900);
                const int no = add(30, QStringLiteral("Tediye"), refund, 0, QStringLiteral("Fazla ödeme iadesi"));
                Store::run(m_db, QStringLiteral(
                    "INSERT INTO tahsilat_satir (TAHSILATNO, TARIH, TURU, CINS, VADE, TUTAR, ACIKLAMA, EVRAKNO, REF)"
                    " VALUES (?, ?, 'Havale', 'Tediye', ?, ?, 'Fazla ödeme iadesi', ?, '')"),
                    {no, day(30, 14), day(30, 14), refund, QStringLiteral("TD%1").arg(no)});
            }
            if (customer % 3 == 0)
                invoice(20, QStringLiteral("Satış İade Faturası"), true);
            add(10, QStringLiteral("Virman"), 0, money(100, 500), QStringLiteral("Hesaplar arası virman"));
            invoice(2, QStringLiteral("Satış Faturası"), false);
        }
    }

    QSqlDatabase &m_db;
    QRandomGenerator m_rng;
    int m_size;
    QDate m_today = QDate::currentDate();
    QHash<int, int> m_userOfCustomer;
    std::vector<Price> m_prices;
};

} // namespace

void SampleData::generate(Store &store, const Options &options)
{
    store.write([&](QSqlDatabase &db) {
        Generator(db, options).run();
    });
}

} // namespace vorpa
