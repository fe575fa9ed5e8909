#include "companion/HidId.h"

#include <stddef.h>

static int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

/* Reads 1 to 8 hex digits; strtoul is not used because it accepts signs, blanks and "0x". */
static const char* parseHexField(const char* text, unsigned* value)
{
    unsigned result = 0;
    int digits = 0;
    int digit;
    while ((digit = hexDigitValue(*text)) >= 0) {
        if (++digits > 8)
            return NULL;
        result = (result << 4) | (unsigned)digit;
        ++text;
    }
    if (digits == 0)
        return NULL;
    *value = result;
    return text;
}

int ParseHidId(const char* text, struct HidId* id)
{
    struct HidId parsed;
    if (text == NULL)
        return 0;
    text = parseHexField(text, &parsed.bus);
    if (text == NULL || *text++ != ':')
        return 0;
    text = parseHexField(text, &parsed.vendor);
    if (text == NULL || *text++ != ':')
        return 0;
    text = parseHexField(text, &parsed.product);
    if (text == NULL || *text != '\0')
        return 0;
    *id = parsed;
    return 1;
}

int HidIdMatches(const char* text, int vendorId, int productId)
{
    struct HidId id;
    if (vendorId < 0 || productId < 0 || !ParseHidId(text, &id))
        return 0;
    return id.vendor == (unsigned)vendorId && id.product == (unsigned)productId;
}
