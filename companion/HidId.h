#pragma once

/* The identity the kernel gives a HID device in its HID_ID property: "bus:vendor:product", each field in
 * hex, for example "0003:0000046D:00000A0E" (bus 3 is USB). */

#ifdef __cplusplus
extern "C" {
#endif

struct HidId
{
    unsigned bus;
    unsigned vendor;
    unsigned product;
};

/* Returns 1 and fills *id when text is three colon-separated fields of 1 to 8 hex digits and nothing else;
 * returns 0 and leaves *id untouched otherwise (also for NULL). */
int ParseHidId(const char* text, struct HidId* id);

/* Returns 1 when text parses and names vendorId and productId, on any bus. */
int HidIdMatches(const char* text, int vendorId, int productId);

#ifdef __cplusplus
}
#endif
