// The 1,000-page table report of bench_pdf (40 rows × 6 columns a page, a
// rule under each row, a header line) written by pdfmake, for comparison:
// `node table_bench.mjs [PAGES] [--compare BENCH_PDF]` prints pdfmake's pages
// per second and, with --compare, runs our engine's PDF benchmark on the same
// table and prints both and their ratio.
import { spawnSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { mkdtempSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const require = createRequire(import.meta.url);
const pdfmake = require('pdfmake');

const ROWS = 40, COLUMNS = 6;
const TWIPS_PER_POINT = 20;
// The engine's geometry: columns 1600 twips apart, rows 300 twips high, 1 cm margins.
const columnWidth = 1600 / TWIPS_PER_POINT, rowHeight = 300 / TWIPS_PER_POINT;
const margin = 28.35;

const cellText = (page, row, column) => `项目${page}-${row} ${column}`;

function documentOf(pages) {
  const content = [];
  for (let p = 0; p < pages; ++p) {
    const body = [];
    for (let r = 0; r < ROWS; ++r) {
      const row = [];
      for (let c = 0; c < COLUMNS; ++c) row.push({ text: cellText(p, r, c), fontSize: 9 });
      body.push(row);
    }
    content.push({ text: `表${p}`, fontSize: 12, margin: [0, 0, 0, 15] });
    content.push({
      table: { widths: Array(COLUMNS).fill(columnWidth - 5), heights: rowHeight - 4, body },
      layout: {
        hLineWidth: (i) => (i === 0 ? 0 : 0.72),
        vLineWidth: () => 0,
        paddingLeft: () => 0,
        paddingRight: () => 5,
      },
      pageBreak: p + 1 < pages ? 'after' : undefined,
    });
  }
  return { pageSize: 'A4', pageMargins: [margin, margin, margin, margin], content, defaultStyle: { font: 'SimSun' } };
}

async function pdfmakePagesPerSecond(pages, file) {
  const cjk = '/usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc';
  pdfmake.setFonts({ SimSun: { normal: [cjk, 'NotoSerifCJKsc-Regular'], bold: [cjk, 'NotoSerifCJKsc-Regular'] } });
  pdfmake.setUrlAccessPolicy(() => false);
  pdfmake.setLocalAccessPolicy(() => true);
  const started = process.hrtime.bigint();
  await pdfmake.createPdf(documentOf(pages)).write(file);
  const seconds = Number(process.hrtime.bigint() - started) / 1e9;
  return { seconds, pagesPerSecond: pages / seconds, bytes: statSync(file).size };
}

// Our engine's figure from bench_pdf's own JSON report.
function enginePagesPerSecond(benchPdf) {
  const run = spawnSync(benchPdf, ['--benchmark_filter=BM_EngineToPdf', '--benchmark_format=json'], {
    encoding: 'utf8',
    maxBuffer: 16 << 20,
  });
  if (run.status !== 0) throw new Error(`${benchPdf} failed: ${run.stderr}`);
  const result = JSON.parse(run.stdout).benchmarks.find((b) => b.name.startsWith('BM_EngineToPdf'));
  return result.pages_per_s;
}

const args = process.argv.slice(2);
const compareAt = args.indexOf('--compare');
const benchPdf = compareAt >= 0 ? args[compareAt + 1] : undefined;
const positional = args.filter((_, i) => compareAt < 0 || (i !== compareAt && i !== compareAt + 1));
const pages = Number(positional[0] ?? 1000);
if (!Number.isInteger(pages) || pages < 1) {
  console.error('usage: node table_bench.mjs [PAGES] [--compare BENCH_PDF]');
  process.exit(2);
}

const dir = mkdtempSync(join(tmpdir(), 'pdfmake-bench-'));
try {
  const made = await pdfmakePagesPerSecond(pages, join(dir, 'table.pdf'));
  if (process.env.KEEP_PDF) (await import('node:fs')).copyFileSync(join(dir, 'table.pdf'), process.env.KEEP_PDF);
  console.log(`pdfmake ${pages} pages: ${made.seconds.toFixed(2)} s, ${made.pagesPerSecond.toFixed(1)} pages/s, ${made.bytes} bytes`);
  if (benchPdf) {
    const ours = enginePagesPerSecond(benchPdf);
    console.log(`engine  ${pages} pages: ${ours.toFixed(1)} pages/s`);
    console.log(`engine / pdfmake: ${(ours / made.pagesPerSecond).toFixed(1)}x (goal: at least 5x)`);
  }
} finally {
  rmSync(dir, { recursive: true, force: true });
}
