// code_rules.cpp -- the rules that judge one tumour's values together: the
// morphology against the ICD-O-3 lists and SEER's site/histology list, the
// sequence numbers against the behavior, and the order of the dates and the
// age at diagnosis.
//
// They run once per tumour, after its items were checked one by one; a rule
// judges only values that passed that check (given, well-formed, valid
// codes), so that each fault is reported once, by the check closest to it.
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "codes/codes.h"

namespace
{

// A date of the flat form cut by its padding: YYYY, YYYYMM or YYYYMMDD; 0 for an unknown part.
struct RuleDate {
    int year, month, day;
    size_t digits;
};

bool is_digits(const RuleValue &value)
{
    for (size_t i = 0; i < value.length; ++i)
        if (value.text[i] < '0' || value.text[i] > '9')
            return false;
    return true;
}

int number_of(const char *text, size_t digits)
{
    int n = 0;
    for (size_t i = 0; i < digits; ++i)
        n = n * 10 + (text[i] - '0');
    return n;
}

bool read_date(const RuleValue &value, RuleDate *date)
{
    if (value.state != RULE_VALUE_GIVEN || (value.length != 4 && value.length != 6 && value.length != 8) ||
        !is_digits(value))
        return false;
    date->digits = value.length;
    date->year = number_of(value.text, 4);
    date->month = value.length >= 6 ? number_of(value.text + 4, 2) : 0;
    date->day = value.length == 8 ? number_of(value.text + 6, 2) : 0;
    return true;
}

// The value of `item` when it is given and one of its item's codes.
const RuleValue *valid_code(const TumorRules &rules, const TumorValues &values, RuleItem item)
{
    const RuleValue &value = values.values[item];
    if (value.state != RULE_VALUE_GIVEN ||
        !is_item_code(rules.codes[item], reinterpret_cast<const unsigned char *>(value.text), value.length))
        return nullptr;
    return &value;
}

bool is_one_of(const RuleValue &value, const char *codes)
{
    return value.state == RULE_VALUE_GIVEN && value.length == 1 && value.text[0] != '\0' &&
           strchr(codes, value.text[0]) != nullptr;
}

// An item as messages name it: "Primary Site (item 400)".
void name_item(const TumorRules &rules, RuleItem item, char *text, size_t size)
{
    const int32_t number = rule_item_numbers[item];
    const NaaccrItemDef *def = rules.dictionary != nullptr ? find_item_by_number(*rules.dictionary, number) : nullptr;
    snprintf(text, size, "%s (item %d)", def != nullptr ? def->name : "item", static_cast<int>(number));
}

// Adds a problem at `subject`: "<subject's name> <its value> " and what printf makes of `format`.
void add_problem(TumorVerdict *verdict, const TumorRules &rules, const TumorValues &values, int32_t code,
                 RuleItem subject, const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 6, 7)))
#endif
    ;

void add_problem(TumorVerdict *verdict, const TumorRules &rules, const TumorValues &values, int32_t code,
                 RuleItem subject, const char *format, ...)
{
    if (verdict->count >= most_tumor_problems)
        return;
    TumorProblem &problem = verdict->problems[verdict->count++];
    problem.code = code;
    problem.item_number = rule_item_numbers[subject];
    char name[96];
    name_item(rules, subject, name, sizeof name);
    const RuleValue &value = values.values[subject];
    const int written =
        snprintf(problem.message, sizeof problem.message, "%s %.*s ", name, static_cast<int>(value.length), value.text);
    if (written < 0 || static_cast<size_t>(written) >= sizeof problem.message)
        return;
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(problem.message + written, sizeof problem.message - static_cast<size_t>(written), format, arguments);
    va_end(arguments);
}

// Whether one date is after another, compared at the precision both give;
// false when either is not given or faulty.
bool is_after(const RuleValue &a, const RuleValue &b)
{
    RuleDate a_date, b_date;
    if (!read_date(a, &a_date) || !read_date(b, &b_date))
        return false;
    // YYYYMMDD orders as its digits do.
    return memcmp(a.text, b.text, a_date.digits < b_date.digits ? a_date.digits : b_date.digits) > 0;
}

// "<subject> is after <other item> <its value>".
void add_date_order(TumorVerdict *verdict, const TumorRules &rules, const TumorValues &values, RuleItem subject,
                    RuleItem other)
{
    char name[96];
    name_item(rules, other, name, sizeof name);
    const RuleValue &value = values.values[other];
    add_problem(verdict, rules, values, NAACCR_CHECK_ITEM_DATE_ORDER, subject, "is after %s %.*s", name,
                static_cast<int>(value.length), value.text);
}

// Age at Diagnosis against the whole years from birth to diagnosis.
void judge_age(const TumorRules &rules, const TumorValues &values, TumorVerdict *verdict)
{
    const RuleValue *age = valid_code(rules, values, RULE_AGE);
    RuleDate birth, diagnosis;
    if (age == nullptr || memcmp(age->text, "999", 3) == 0 || !read_date(values.values[RULE_BIRTH], &birth) ||
        !read_date(values.values[RULE_DIAGNOSIS], &diagnosis))
        return;
    // Months and days are compared, not days of the year: born on 1 March of a
    // leap year, one turns a year older on 1 March, not on 29 February; born on
    // 29 February, on 1 March of a common year.
    int years = diagnosis.year - birth.year;
    bool known = birth.month != 0 && diagnosis.month != 0;
    if (known && birth.month == diagnosis.month)
        known = birth.day != 0 && diagnosis.day != 0;
    if (known && (diagnosis.month < birth.month || (diagnosis.month == birth.month && diagnosis.day < birth.day)))
        --years;
    // Without a month (or a day in the month of birth) the birthday may not have come yet.
    const int youngest = known ? years : years - 1;
    const int stated = number_of(age->text, 3);
    if (stated >= youngest && stated <= years)
        return;
    char birth_name[96], diagnosis_name[96];
    name_item(rules, RULE_BIRTH, birth_name, sizeof birth_name);
    name_item(rules, RULE_DIAGNOSIS, diagnosis_name, sizeof diagnosis_name);
    const RuleValue &b = values.values[RULE_BIRTH], &d = values.values[RULE_DIAGNOSIS];
    char whole[32];
    if (youngest == years)
        snprintf(whole, sizeof whole, "%d", years);
    else
        snprintf(whole, sizeof whole, "%d or %d", youngest, years);
    add_problem(verdict, rules, values, NAACCR_CHECK_ITEM_DATE_ORDER, RULE_AGE,
                "is not the whole years from %s %.*s to %s %.*s: %s", birth_name, static_cast<int>(b.length), b.text,
                diagnosis_name, static_cast<int>(d.length), d.text, whole);
}

// A sequence number against the behavior (and, for 98, the site).
void judge_sequence(const TumorRules &rules, const TumorValues &values, RuleItem item, TumorVerdict *verdict)
{
    const RuleValue *sequence = valid_code(rules, values, item), *behavior = valid_code(rules, values, RULE_BEHAVIOR);
    if (sequence == nullptr || behavior == nullptr)
        return;
    // A valid code is 00 to 88, 98 or 99.  In situ and malignant tumours
    // numbered 60 to 87 are reportable by agreement and pass.
    const int number = number_of(sequence->text, 2), code = behavior->text[0] - '0';
    const char *why = nullptr;
    const RuleValue *site = nullptr;
    if (code <= 1 && (number < 60 || number > 88)) {
        why = "a benign or borderline tumour takes 60 to 88";
    } else if (code >= 2 && number == 88) {
        why = "an in situ or malignant tumour takes 00 to 59 or 99 (60 to 87 by agreement)";
    } else if (code >= 2 && number == 98) {
        // An in situ tumour whose site is not known may be the cervix's.
        site = code == 2 ? valid_code(rules, values, RULE_SITE) : nullptr;
        if (code == 3 || (site != nullptr && memcmp(site->text, "C53", 3) != 0))
            why = "98 is for an in situ tumour of the cervix uteri only (behavior 2 at C530 to C539)";
    }
    if (why == nullptr)
        return;
    char behavior_name[96], site_name[96];
    name_item(rules, RULE_BEHAVIOR, behavior_name, sizeof behavior_name);
    if (site == nullptr) {
        add_problem(verdict, rules, values, NAACCR_CHECK_ITEM_COMBINATION, item, "with %s %d: %s", behavior_name, code,
                    why);
        return;
    }
    name_item(rules, RULE_SITE, site_name, sizeof site_name);
    add_problem(verdict, rules, values, NAACCR_CHECK_ITEM_COMBINATION, item, "with %s %d and %s %.4s: %s",
                behavior_name, code, site_name, site->text, why);
}

// Histology with behavior, then primary site with both: at most one problem.
void judge_morphology(const TumorRules &rules, const TumorValues &values, TumorVerdict *verdict)
{
    const RuleValue *histology = valid_code(rules, values, RULE_HISTOLOGY),
                    *behavior = valid_code(rules, values, RULE_BEHAVIOR);
    if (histology == nullptr || behavior == nullptr)
        return;
    const uint32_t morphology = static_cast<uint32_t>(number_of(histology->text, 4) * 10 + (behavior->text[0] - '0'));
    char behavior_name[96];
    if (!is_listed_morphology(rules.level, morphology) && !is_one_of(values.values[RULE_OVERRIDE_HISTOLOGY], "13")) {
        char lists[32];
        name_code_lists(rules.level, lists, sizeof lists);
        name_item(rules, RULE_BEHAVIOR, behavior_name, sizeof behavior_name);
        add_problem(verdict, rules, values, NAACCR_CHECK_ITEM_COMBINATION, RULE_HISTOLOGY,
                    "with %s %c is in no ICD-O-3 list of %s nor in SEER's site/histology list of %s, and Over-ride "
                    "Histology (item 2040) is not 1 or 3",
                    behavior_name, behavior->text[0], lists, site_list.edition);
        return;
    }
    const RuleValue *site = valid_code(rules, values, RULE_SITE);
    if (site == nullptr)
        return;
    RuleDate diagnosis;
    if (!read_date(values.values[RULE_DIAGNOSIS], &diagnosis) || diagnosis.year < site_list.first_year ||
        diagnosis.year > site_list.last_year) {
        verdict->site_list = SITE_LIST_NOT_JUDGED;
        return;
    }
    verdict->site_list = SITE_LIST_JUDGED;
    if (is_on_site_list(rules.codes[RULE_SITE], reinterpret_cast<const unsigned char *>(site->text), morphology) ||
        is_one_of(values.values[RULE_OVERRIDE_SITE_TYPE], "1"))
        return;
    char histology_name[96];
    name_item(rules, RULE_HISTOLOGY, histology_name, sizeof histology_name);
    name_item(rules, RULE_BEHAVIOR, behavior_name, sizeof behavior_name);
    add_problem(verdict, rules, values, NAACCR_CHECK_ITEM_COMBINATION, RULE_SITE,
                "with %s %.4s and %s %c is not in SEER's site/histology list of %s (diagnoses of %d to %d), and "
                "Over-ride Site/Type (item 2030) is not 1",
                histology_name, histology->text, behavior_name, behavior->text[0], site_list.edition,
                static_cast<int>(site_list.first_year), static_cast<int>(site_list.last_year));
}

} // namespace

const int32_t rule_item_numbers[RULE_ITEM_COUNT] = {230, 240, 380, 390, 400, 522, 523, 560, 1750, 2030, 2040};

int32_t rule_item_place(int32_t number)
{
    switch (number) {
    case 230:
        return RULE_AGE;
    case 240:
        return RULE_BIRTH;
    case 380:
        return RULE_SEQUENCE_CENTRAL;
    case 390:
        return RULE_DIAGNOSIS;
    case 400:
        return RULE_SITE;
    case 522:
        return RULE_HISTOLOGY;
    case 523:
        return RULE_BEHAVIOR;
    case 560:
        return RULE_SEQUENCE_HOSPITAL;
    case 1750:
        return RULE_LAST_CONTACT;
    case 2030:
        return RULE_OVERRIDE_SITE_TYPE;
    case 2040:
        return RULE_OVERRIDE_HISTOLOGY;
    default:
        return -1;
    }
}

void keep_rule_value(TumorValues *values, const NaaccrItemDef &item, const unsigned char *value, size_t n,
                     ItemValueForm form, bool faulty)
{
    const int32_t place = rule_item_place(item.number);
    if (place < 0 || values == nullptr)
        return;
    RuleValue &kept = values->values[place];
    memset(&kept, 0, sizeof kept);
    // Cut as the code check cuts: XML text stands without padding, a left-zero item perhaps without its zeros.
    size_t begin = 0, end = n, zeros = 0;
    if (form == ITEM_XML_TEXT) {
        if (item.padding == NAACCR_PAD_LEFT_ZERO && n < static_cast<size_t>(item.length))
            zeros = static_cast<size_t>(item.length) - n;
    } else if (item.padding == NAACCR_PAD_LEFT_BLANK) {
        while (begin < end && value[begin] == ' ')
            ++begin;
    } else if (item.padding == NAACCR_PAD_RIGHT_BLANK) {
        while (end > begin && value[end - 1] == ' ')
            --end;
    }
    if (end == begin && !faulty)
        return;
    if (faulty || zeros + end - begin > longest_rule_value) {
        kept.state = RULE_VALUE_FAULTY;
        return;
    }
    kept.state = RULE_VALUE_GIVEN;
    memset(kept.text, '0', zeros);
    memcpy(kept.text + zeros, value + begin, end - begin);
    kept.length = static_cast<uint8_t>(zeros + end - begin);
}

bool prepare_tumor_rules(int32_t version, TumorRules *rules)
{
    memset(rules, 0, sizeof *rules);
    rules->version = version;
    rules->level = code_list_level(version);
    rules->dictionary = find_dictionary(version);
    for (size_t i = 0; i < RULE_ITEM_COUNT; ++i)
        rules->codes[i] = find_item_codes(version, rule_item_numbers[i]);
    return rules->level >= 0;
}

size_t judge_tumor(const TumorRules &rules, const TumorValues &values, TumorVerdict *verdict)
{
    verdict->count = 0;
    verdict->site_list = SITE_LIST_NO_CODES;
    if (rules.level < 0)
        return 0;
    // In ascending item number, the subjects' column order: 230, 240, 380, 390, 400 or 522, 560.
    const bool birth_after = is_after(values.values[RULE_BIRTH], values.values[RULE_DIAGNOSIS]);
    if (birth_after)
        add_date_order(verdict, rules, values, RULE_BIRTH, RULE_DIAGNOSIS);
    else
        judge_age(rules, values, verdict); // a birth after the diagnosis gives no age to compare
    judge_sequence(rules, values, RULE_SEQUENCE_CENTRAL, verdict);
    if (is_after(values.values[RULE_DIAGNOSIS], values.values[RULE_LAST_CONTACT]))
        add_date_order(verdict, rules, values, RULE_DIAGNOSIS, RULE_LAST_CONTACT);
    judge_morphology(rules, values, verdict);
    judge_sequence(rules, values, RULE_SEQUENCE_HOSPITAL, verdict);
    return verdict->count;
}

void count_verdict(const TumorVerdict &verdict, NaaccrCodeReport *report)
{
    if (report == nullptr)
        return;
    ++report->tumors_judged;
    report->site_list_judged += verdict.site_list == SITE_LIST_JUDGED;
    report->site_list_not_judged += verdict.site_list == SITE_LIST_NOT_JUDGED;
}
