/* The self-contained HTML page of the slides. */
#include "HtmlPage.h"

static const char kHead[] =
    "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Presentation</title>\n<style>\n"
    "html,body{margin:0;height:100%;background:#000;overflow:hidden;cursor:none}\n"
    "img{display:none;position:fixed;left:0;top:0;width:100%;height:100%;object-fit:contain}\n"
    "img.shown{display:block}\n"
    "#end{display:none;color:#ccc;font:24px sans-serif;text-align:center;padding-top:45vh}\n"
    "</style></head><body>\n";

/* The same keys as the viewer; a browser page cannot close itself, so Esc and
   the end of the show leave the end screen. */
static const char kTail[] =
    "<div id=\"end\">End of the slide show. Close this page to exit.</div>\n<script>\n"
    "var slides=document.getElementsByTagName('img'),end=document.getElementById('end'),at=0;\n"
    "function show(i){if(i<0)i=0;if(i>slides.length)i=slides.length;at=i;\n"
    " for(var k=0;k<slides.length;k++)slides[k].className=k==at?'shown':'';\n"
    " end.style.display=at==slides.length?'block':'none';}\n"
    "function full(){var d=document.documentElement;if(!document.fullscreenElement&&d.requestFullscreen)"
    "d.requestFullscreen().catch(function(){});}\n"
    "document.addEventListener('keydown',function(e){full();var k=e.key;\n"
    " if(k=='ArrowRight'||k=='ArrowDown'||k==' '||k=='PageDown'||k=='Enter')show(at+1);\n"
    " else if(k=='ArrowLeft'||k=='ArrowUp'||k=='PageUp'||k=='Backspace')show(at-1);\n"
    " else if(k=='Home')show(0);else if(k=='End')show(slides.length-1);\n"
    " else if(k=='Escape'||k=='q')show(slides.length);else return;e.preventDefault();});\n"
    "document.addEventListener('click',function(){full();show(at+1);});\nshow(0);\n"
    "</script></body></html>\n";

bool sv_write_base64(const unsigned char* bytes, size_t size, FILE* out) {
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (size_t i = 0; i < size; i += 3) {
        const unsigned long group = (unsigned long)bytes[i] << 16 | (i + 1 < size ? bytes[i + 1] << 8 : 0) |
                                    (i + 2 < size ? bytes[i + 2] : 0);
        const char quad[4] = {alphabet[group >> 18 & 63], alphabet[group >> 12 & 63],
                              i + 1 < size ? alphabet[group >> 6 & 63] : '=', i + 2 < size ? alphabet[group & 63] : '='};
        if (fwrite(quad, 1, 4, out) != 4) return false;
    }
    return true;
}

static bool embed_picture(const char* path, FILE* out) {
    FILE* in = fopen(path, "rb");
    if (!in) return false;
    /* Whole groups of three bytes per block, so the blocks join seamlessly. */
    unsigned char block[3 * 4096];
    bool written = fputs("<img alt=\"\" src=\"data:image/png;base64,", out) >= 0;
    for (size_t got; written && (got = fread(block, 1, sizeof block, in)) > 0;)
        written = sv_write_base64(block, got, out);
    written = written && !ferror(in) && fputs("\">\n", out) >= 0;
    fclose(in);
    return written;
}

bool sv_write_html_page(const sv_deck* deck, FILE* out) {
    if (fputs(kHead, out) < 0) return false;
    for (size_t i = 0; i < deck->count; ++i)
        if (!embed_picture(deck->paths[i], out)) return false;
    return fputs(kTail, out) >= 0 && fflush(out) == 0;
}
