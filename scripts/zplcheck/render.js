// Renders every label of a ZPL file to PNG with an independent interpreter,
// so that the tests can read back what a printer would print.
// Usage: node render.js FILE.zpl OUTDIR WIDTH_MM HEIGHT_MM DOTS_PER_MM
// Writes OUTDIR/label-1.png, label-2.png, ... in the file's order and prints
// the number of labels.
"use strict";
const fs = require("node:fs");
const path = require("node:path");
const { ready } = require("zpl-renderer-js");

async function main() {
  const [file, outDir, widthMm, heightMm, dpmm] = process.argv.slice(2);
  if (!file || !outDir) {
    console.error("usage: node render.js FILE.zpl OUTDIR WIDTH_MM HEIGHT_MM DOTS_PER_MM");
    process.exit(2);
  }
  const zpl = fs.readFileSync(file, "latin1");
  const { api } = await ready;
  const labels = await api.zplToBase64MultipleAsync(
    zpl, Number(widthMm), Number(heightMm), Number(dpmm));
  fs.mkdirSync(outDir, { recursive: true });
  labels.forEach((label, i) => {
    fs.writeFileSync(path.join(outDir, `label-${i + 1}.png`), Buffer.from(label, "base64"));
  });
  console.log(labels.length);
}

main().catch((error) => {
  console.error(String(error));
  process.exit(1);
});
