-- Demo ERP data: Harbourside Window Frames Ltd, a make-to-order shop in
-- Bristol, and its sister company in Dublin. Load after erp_schema.sql on a
-- fresh database. Every date is counted from CURRENT_DATE, so the plan looks
-- current whenever the database is created. Timestamps are UTC, as Odoo
-- stores them.
--
-- Ids at a glance (product ids are template id + 100, except the second
-- casement variant, 160):
--   companies   1 Harbourside Window Frames Ltd (GBP), 2 Harbourside Glazing Dublin Ltd (EUR)
--   users       1 __system__, 2 planner (company 1), 3 dublin (company 2)
--   units       1 Units, 2 Dozens, 3 kg, 4 g, 5 m, 6 mm, 7 cm (archived)
--   components  templates 1-22, products 101-122
--   finished    templates 31-46, products 131-146 and 160
--   locations   11 WH/Stock, 12 WH/Stock/Shelf 1 (company 1), 15 DUB/Stock (company 2)

BEGIN;

-- ---------------------------------------------------------------------------
-- Currencies, companies, users
-- ---------------------------------------------------------------------------

INSERT INTO res_currency (id, name, full_name, symbol, rounding, decimal_places, active, position, create_date, write_date)
SELECT id, name, full_name, symbol, 0.01, 2, true, position,
       CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00'
FROM (VALUES
    (1, 'EUR', 'Euro',            '€', 'after'),
    (2, 'USD', 'United States dollar', '$', 'before'),
    (3, 'GBP', 'British pound',   '£', 'before')
) AS c (id, name, full_name, symbol, position);

-- The partners behind the companies and the users come first: companies
-- and users cannot exist without them.
INSERT INTO res_partner (id, name, complete_name, commercial_partner_id, type, is_company, active,
                         email, phone, street, city, zip, lang, partner_share, customer_rank, supplier_rank,
                         create_date, write_date)
SELECT id, name, name, id, 'contact', is_company, true, email, phone, street, city, zip, 'en_GB', false, 0, 0,
       CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00'
FROM (VALUES
    (1, 'Harbourside Window Frames Ltd',  true,  'office@harbourside-frames.example', '+44 117 496 0100', 'Unit 4, Wapping Wharf', 'Bristol', 'BS1 6WP'),
    (2, 'Harbourside Glazing Dublin Ltd', true,  'info@harbourside-glazing.example',  '+353 1 555 0142',  '12 Ringsend Road',      'Dublin',  'D04 T6X0'),
    (3, 'System',                          false, NULL, NULL, NULL, NULL, NULL),
    (4, 'Dana Whitlock',                   false, 'dana@harbourside-frames.example',   NULL, NULL, 'Bristol', NULL),
    (5, 'Colm Brennan',                    false, 'colm@harbourside-glazing.example',  NULL, NULL, 'Dublin',  NULL)
) AS p (id, name, is_company, email, phone, street, city, zip);

INSERT INTO res_company (id, name, partner_id, currency_id, parent_path, sequence, active, email, phone, create_date, write_date)
VALUES
    (1, 'Harbourside Window Frames Ltd',  1, 3, '1/', 10, true, 'office@harbourside-frames.example', '+44 117 496 0100',
     CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:05'),
    (2, 'Harbourside Glazing Dublin Ltd', 2, 1, '2/', 20, true, 'info@harbourside-glazing.example',  '+353 1 555 0142',
     CURRENT_DATE - 300 + time '09:00', CURRENT_DATE - 300 + time '09:00');

INSERT INTO res_users (id, login, partner_id, company_id, active, share, create_date, write_date)
VALUES
    (1, '__system__', 3, 1, false, false, CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00'),
    (2, 'planner',    4, 1, true,  false, CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:05'),
    (3, 'dublin',     5, 2, true,  false, CURRENT_DATE - 300 + time '09:00', CURRENT_DATE - 300 + time '09:00');

UPDATE res_partner SET company_id = 1 WHERE id = 1;
UPDATE res_partner SET company_id = 2 WHERE id = 2;
UPDATE res_company SET write_uid = 2;


-- ---------------------------------------------------------------------------
-- Customers and vendors
-- ---------------------------------------------------------------------------

-- Partners 21 and 22 are a delivery address and an "other" address without
-- a name of their own; orders placed on them show no customer name.
-- company_id NULL shares a partner with both companies.
INSERT INTO res_partner (id, name, complete_name, company_id, parent_id, commercial_partner_id, type, is_company,
                         active, email, phone, street, city, zip, lang, partner_share, customer_rank, supplier_rank,
                         create_uid, create_date, write_uid, write_date)
SELECT v.id, v.name,
       CASE WHEN v.parent_id IS NULL THEN v.name
            ELSE parent.name || ', ' || COALESCE(v.name, CASE v.type WHEN 'delivery' THEN 'Delivery Address'
                                                                     WHEN 'invoice'  THEN 'Invoice Address'
                                                                     ELSE 'Other Address' END)
       END,
       v.company_id, v.parent_id, COALESCE(v.parent_id, v.id), v.type, v.is_company, true,
       v.email, v.phone, v.street, v.city, v.zip, v.lang, true, v.customer_rank, v.supplier_rank,
       CASE WHEN v.company_id = 2 THEN 3 ELSE 2 END, CURRENT_DATE - 200 + time '10:00',
       CASE WHEN v.company_id = 2 THEN 3 ELSE 2 END, CURRENT_DATE - 200 + time '10:00'
FROM (VALUES
    -- customers
    (10, 'Ashdown Builders Ltd',            NULL::int, 'contact',  true,  NULL::int, 'orders@ashdown.example',     '+44 117 496 0311', '3 Feeder Road',          'Bristol',     'BS2 0SB',  'en_GB', 8, 0),
    (11, 'Beckett & Rowe Architects',       NULL,      'contact',  true,  NULL,      'studio@beckettrowe.example', '+44 1225 960 224', '14 Gay Street',          'Bath',        'BA1 2PH',  'en_GB', 5, 0),
    (12, 'Carrow Road Developments',        NULL,      'contact',  true,  NULL,      'site@carrowroad.example',    '+44 117 496 0578', '40 Temple Way',          'Bristol',     'BS1 6HG',  'en_GB', 6, 0),
    (13, 'Dunmore Housing Association',     NULL,      'contact',  true,  NULL,      'repairs@dunmore.example',    '+44 1454 960 801', 'Station Road',           'Yate',        'BS37 4AF', 'en_GB', 6, 0),
    (14, 'Elmhurst Joinery Supplies',       NULL,      'contact',  true,  NULL,      'buying@elmhurst.example',    '+44 1275 960 117', '7 Clevedon Road',        'Nailsea',     'BS48 1EH', 'en_GB', 6, 0),
    (15, 'Fairweather Renovations',         NULL,      'contact',  true,  NULL,      'hello@fairweather.example',  '+44 117 496 0932', '22 Gloucester Road',     'Bristol',     'BS7 8AL',  'en_GB', 5, 0),
    (16, 'Priya Nair',                      NULL,      'contact',  false, NULL,      'priya.nair@mail.example',    '+44 7700 900 318', '9 Cotham Hill',          'Bristol',     'BS6 6LA',  'en_GB', 4, 0),
    (17, 'Hartley Property Maintenance',    NULL,      'contact',  true,  NULL,      'jobs@hartleypm.example',     '+44 117 496 0412', '61 Bath Road',           'Keynsham',    'BS31 1SN', 'en_GB', 5, 0),
    (18, 'Ivybridge School Trust',          NULL,      'contact',  true,  NULL,      'estates@ivybridge.example',  '+44 1934 960 660', 'Churchill Road',         'Weston-super-Mare', 'BS23 3HD', 'en_GB', 4, 0),
    (19, 'Juniper Lofts Ltd',               NULL,      'contact',  true,  NULL,      'build@juniperlofts.example', '+44 117 496 0745', '5 Cumberland Basin',     'Bristol',     'BS1 6XW',  'en_GB', 5, 0),
    (20, 'Kestrel Heritage Restorations',   NULL,      'contact',  true,  NULL,      'works@kestrel.example',      '+44 1225 960 388', 'The Old Forge, Lansdown','Bath',        'BA1 5RE',  'en_GB', 5, 0),
    (21, NULL,                              12,        'delivery', false, NULL,      NULL,                         '+44 7700 900 577', 'Plot 9, Harbour Quay',   'Portishead',  'BS20 7AB', 'en_GB', 2, 0),
    (22, NULL,                              17,        'other',    false, NULL,      NULL,                         NULL,               'Block C, Brislington Trading Estate', 'Bristol', 'BS4 5PJ', 'en_GB', 1, 0),
    (23, 'Ó Briain Building Contractors',   NULL,      'contact',  true,  2,         'oifig@obriain.example',      '+353 1 555 0199',  'Unit 2, Naas Road',      'Dublin',      'D12 X2N3', 'en_IE', 3, 0),
    (24, 'Mulcahy & O''Neill Construction', NULL,      'contact',  true,  2,         'tenders@mulcahy.example',    '+353 21 555 0107', 'Marina Commercial Park', 'Cork',        'T12 VR83', 'en_IE', 2, 0),
    (25, 'Tom O''Hara',                     NULL,      'contact',  false, NULL,      'tom.ohara@mail.example',     '+44 7700 900 866', '18 Chandos Road',        'Bristol',     'BS6 6PF',  'en_GB', 2, 0),
    (26, 'Larkfield Care Homes',            NULL,      'contact',  true,  NULL,      'facilities@larkfield.example','+44 117 496 0690','Larkfield House, Henleaze Road', 'Bristol', 'BS9 4JZ', 'en_GB', 3, 0),
    -- vendors
    (30, 'Alprofil Extrusions Ltd',         NULL,      'contact',  true,  NULL,      'sales@alprofil.example',     '+44 121 496 0500', 'Tyseley Industrial Park','Birmingham',  'B11 2AA',  'en_GB', 0, 5),
    (31, 'ClearView Glass Supplies',        NULL,      'contact',  true,  NULL,      'orders@clearview.example',   '+44 29 2018 0330', 'Pengam Road',            'Cardiff',     'CF3 2EN',  'en_GB', 0, 3),
    (32, 'SealTech Gaskets',                NULL,      'contact',  true,  NULL,      'trade@sealtech.example',     '+44 1452 960 210', '8 Bristol Road',         'Gloucester',  'GL2 5YA',  'en_GB', 0, 2),
    (33, 'Fixings Direct',                  NULL,      'contact',  true,  NULL,      'counter@fixings.example',    '+44 117 496 0020', 'Avonmouth Way',          'Bristol',     'BS11 9YA', 'en_GB', 0, 2),
    (34, 'Coatwell Powder Coatings',        NULL,      'contact',  true,  NULL,      'sales@coatwell.example',     '+44 1633 960 455', 'Celtic Way',             'Newport',     'NP10 8BE', 'en_GB', 0, 2),
    (35, 'Hardware House',                  NULL,      'contact',  true,  NULL,      'trade@hardwarehouse.example','+44 117 496 0871', '2 Lawrence Hill',        'Bristol',     'BS5 0BY',  'en_GB', 0, 2)
) AS v (id, name, parent_id, type, is_company, company_id, email, phone, street, city, zip, lang, customer_rank, supplier_rank)
LEFT JOIN (VALUES
    (12, 'Carrow Road Developments'),
    (17, 'Hartley Property Maintenance')
) AS parent (id, name) ON parent.id = v.parent_id;


-- ---------------------------------------------------------------------------
-- Units of measure
-- ---------------------------------------------------------------------------

INSERT INTO uom_category (id, name, create_date, write_date)
VALUES
    (1, '{"en_US": "Unit", "de_DE": "Einheit"}',        CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00'),
    (2, '{"en_US": "Weight", "de_DE": "Gewicht"}',      CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00'),
    (3, '{"en_US": "Length / Distance"}',               CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00');

-- Units and Dozens carry several languages, the rest only English.
INSERT INTO uom_uom (id, name, category_id, factor, rounding, active, uom_type, create_date, write_date)
VALUES
    (1, '{"en_US": "Units", "de_DE": "Einheiten", "fr_FR": "Unités"}', 1, 1.0,                 0.01,    true,  'reference', CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00'),
    (2, '{"en_US": "Dozens", "de_DE": "Dutzende"}',                    1, 0.08333333333333333, 0.01,    true,  'bigger',    CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00'),
    (3, '{"en_US": "kg"}',                                             2, 1.0,                 0.01,    true,  'reference', CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00'),
    (4, '{"en_US": "g"}',                                              2, 1000.0,              0.01,    true,  'smaller',   CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00'),
    (5, '{"en_US": "m"}',                                              3, 1.0,                 0.01,    true,  'reference', CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00'),
    (6, '{"en_US": "mm"}',                                             3, 1000.0,              0.01,    true,  'smaller',   CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00'),
    (7, '{"en_US": "cm"}',                                             3, 100.0,               0.01,    false, 'smaller',   CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00');


-- ---------------------------------------------------------------------------
-- Products
-- ---------------------------------------------------------------------------

INSERT INTO product_category (id, name, complete_name, parent_id, parent_path, create_date, write_date)
VALUES
    (1, 'All',        'All',              NULL, '1/',   CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00'),
    (2, 'Saleable',   'All / Saleable',   1,    '1/2/', CURRENT_DATE - 400 + time '06:00', CURRENT_DATE - 400 + time '06:00'),
    (3, 'Components', 'All / Components', 1,    '1/3/', CURRENT_DATE - 200 + time '10:00', CURRENT_DATE - 200 + time '10:00');

-- Components (categ 3) are bought; finished goods (categ 2) are made to order.
-- Template 20 is an archived gasket still named on an archived bill.
-- Template 33 has two variants, so its own default_code is empty.
INSERT INTO product_template (id, name, detailed_type, type, categ_id, list_price, sale_ok, purchase_ok,
                              uom_id, uom_po_id, active, default_code, invoice_policy, purchase_method, sale_delay,
                              create_uid, create_date, write_uid, write_date)
SELECT id, name::jsonb, detailed_type, detailed_type, categ_id, list_price, categ_id = 2, categ_id = 3,
       uom_id, uom_po_id, active, code, 'order', 'receive', sale_delay,
       2, CURRENT_DATE - 200 + time '10:30', 2, CURRENT_DATE - 200 + time '10:30'
FROM (VALUES
    -- components
    ( 1, '{"en_US": "Aluminium frame profile 70 mm"}',        'product', 3,    9.80, 5, 5, true,  'ALU-F70',   0),
    ( 2, '{"en_US": "Aluminium sash profile 70 mm"}',         'product', 3,   10.50, 5, 5, true,  'ALU-S70',   0),
    ( 3, '{"en_US": "Aluminium mullion profile 50 mm"}',      'product', 3,   11.60, 5, 5, true,  'ALU-M50',   0),
    ( 4, '{"en_US": "Aluminium threshold profile 20 mm"}',    'product', 3,   13.30, 5, 5, true,  'ALU-T20',   0),
    ( 5, '{"en_US": "Aluminium sill extrusion 150 mm"}',      'product', 3,   16.00, 5, 5, true,  'ALU-SL150', 0),
    ( 6, '{"en_US": "Double glazed unit 4-16-4"}',            'product', 3,   55.00, 1, 1, true,  'GLS-DG4164',0),
    ( 7, '{"en_US": "Triple glazed unit 4-12-4-12-4"}',       'product', 3,   87.00, 1, 1, true,  'GLS-TG412', 0),
    ( 8, '{"en_US": "Toughened safety glass 6 mm"}',          'product', 3,   63.00, 1, 1, true,  'GLS-TS6',   0),
    ( 9, '{"en_US": "EPDM glazing gasket"}',                  'product', 3,    1.30, 5, 5, true,  'GSK-EPDM',  0),
    (10, '{"en_US": "Brush weather seal"}',                   'product', 3,    0.95, 5, 5, true,  'GSK-BRUSH', 0),
    (11, '{"en_US": "Stainless frame screw 4.8 x 38"}',       'product', 3,    0.45, 1, 2, true,  'SCR-4838',  0),
    (12, '{"en_US": "Stainless fixing screw 5 x 60"}',        'product', 3,    0.52, 1, 2, true,  'SCR-5060',  0),
    (13, '{"en_US": "Powder coat RAL 9016 traffic white"}',   'product', 3,   17.00, 3, 3, true,  'PWD-9016',  0),
    (14, '{"en_US": "Powder coat RAL 7016 anthracite grey"}', 'product', 3,   18.30, 3, 3, true,  'PWD-7016',  0),
    (15, '{"en_US": "Friction stay hinge 300 mm"}',           'product', 3,   10.30, 1, 1, true,  'HNG-FS300', 0),
    (16, '{"en_US": "Door butt hinge 100 mm"}',               'product', 3,    5.90, 1, 1, true,  'HNG-BT100', 0),
    (17, '{"en_US": "Espagnolette window handle"}',           'product', 3,    9.10, 1, 1, true,  'HDL-ESP',   0),
    (18, '{"en_US": "Lever door handle set"}',                'product', 3,   26.40, 1, 1, true,  'HDL-LEV',   0),
    (19, '{"en_US": "Corner cleat, die-cast", "de_DE": "Eckwinkel, Druckguss"}', 'product', 3, 0.80, 1, 1, true, NULL, 0),
    (20, '{"en_US": "PVC glazing gasket (old range)"}',       'product', 3,    0.60, 5, 5, false, 'GSK-PVC-OLD', 0),
    (21, '{"en_US": "Multi-point door lock 35 mm"}',          'product', 3,   65.70, 1, 1, true,  'LCK-MP35',  0),
    (22, '{"en_US": "Drainage slot cap"}',                    'product', 3,    0.45, 1, 1, true,  'DRN-CAP',   0),
    -- finished goods
    (31, '{"en_US": "Fixed window frame 600 x 900"}',         'product', 2,  185.00, 1, 1, true,  'FW-0609',   14),
    (32, '{"en_US": "Fixed window frame 1200 x 1200"}',       'product', 2,  265.00, 1, 1, true,  'FW-1212',   14),
    (33, '{"en_US": "Casement window 600 x 1050"}',           'product', 2,  320.00, 1, 1, true,  NULL,        14),
    (34, '{"en_US": "Casement window 1200 x 1050"}',          'product', 2,  545.00, 1, 1, true,  'CW-1210',   14),
    (35, '{"en_US": "Tilt and turn window 900 x 1200"}',      'product', 2,  610.00, 1, 1, true,  'TT-0912',   21),
    (36, '{"en_US": "Replacement sash 600 x 900"}',           'product', 2,  140.00, 1, 1, true,  'SR-0609',   10),
    (37, '{"en_US": "Window sill 1200 mm"}',                  'product', 2,   38.00, 1, 1, true,  'SL-1200',   7),
    (38, '{"en_US": "Patio door 1800 x 2100"}',               'product', 2, 1890.00, 1, 1, true,  'PD-1821',   28),
    (39, '{"en_US": "Front door, single 900 x 2100"}',        'product', 2, 1450.00, 1, 1, true,  'FD-0921',   28),
    (40, '{"en_US": "French doors, pair 1200 x 2100"}',       'product', 2, 2150.00, 1, 1, true,  'FRD-1221',  28),
    (41, '{"en_US": "Fanlight frame 900 x 300"}',             'product', 2,  120.00, 1, 1, true,  'FL-0903',   10),
    (42, '{"en_US": "Bay window set, three sections"}',       'product', 2, 1980.00, 1, 1, true,  'BW-3S',     28),
    (43, '{"en_US": "Louvre vent frame 400 x 400"}',          'product', 2,   95.00, 1, 1, true,  'LV-0404',   10),
    (44, '{"en_US": "Garage side door 900 x 2000"}',          'product', 2,  890.00, 1, 1, true,  'GD-0920',   21),
    (45, '{"en_US": "Shopfront glazing panel 2000 x 2000"}',  'product', 2, 1240.00, 1, 1, true,  'SF-2020',   21),
    (46, '{"en_US": "Installation and fitting"}',             'service', 2,   75.00, 1, 1, true,  'INST',      0)
) AS t (id, name, detailed_type, categ_id, list_price, uom_id, uom_po_id, active, code, sale_delay);

INSERT INTO product_product (id, product_tmpl_id, default_code, combination_indices, active,
                             create_uid, create_date, write_uid, write_date)
SELECT v.id, v.tmpl_id, v.code, v.combination, t.active,
       2, t.create_date, 2, t.write_date
FROM (VALUES
    (101,  1, 'ALU-F70',   ''), (102,  2, 'ALU-S70',   ''), (103,  3, 'ALU-M50',   ''),
    (104,  4, 'ALU-T20',   ''), (105,  5, 'ALU-SL150', ''), (106,  6, 'GLS-DG4164',''),
    (107,  7, 'GLS-TG412', ''), (108,  8, 'GLS-TS6',   ''), (109,  9, 'GSK-EPDM',  ''),
    (110, 10, 'GSK-BRUSH', ''), (111, 11, 'SCR-4838',  ''), (112, 12, 'SCR-5060',  ''),
    (113, 13, 'PWD-9016',  ''), (114, 14, 'PWD-7016',  ''), (115, 15, 'HNG-FS300', ''),
    (116, 16, 'HNG-BT100', ''), (117, 17, 'HDL-ESP',   ''), (118, 18, 'HDL-LEV',   ''),
    (119, 19, NULL,        ''), (120, 20, 'GSK-PVC-OLD',''),(121, 21, 'LCK-MP35',  ''),
    (122, 22, 'DRN-CAP',   ''),
    (131, 31, 'FW-0609',   ''), (132, 32, 'FW-1212',   ''),
    (133, 33, 'CW-0610-W', '1'),                              -- white
    (160, 33, 'CW-0610-A', '2'),                              -- anthracite
    (134, 34, 'CW-1210',   ''), (135, 35, 'TT-0912',   ''), (136, 36, 'SR-0609',   ''),
    (137, 37, 'SL-1200',   ''), (138, 38, 'PD-1821',   ''), (139, 39, 'FD-0921',   ''),
    (140, 40, 'FRD-1221',  ''), (141, 41, 'FL-0903',   ''), (142, 42, 'BW-3S',     ''),
    (143, 43, 'LV-0404',   ''), (144, 44, 'GD-0920',   ''), (145, 45, 'SF-2020',   ''),
    (146, 46, 'INST',      '')
) AS v (id, tmpl_id, code, combination)
JOIN product_template AS t ON t.id = v.tmpl_id;

-- Display names as Odoo builds them for order lines: "[code] name (variant)".
CREATE TEMPORARY VIEW demo_product_label AS
SELECT p.id,
       CASE WHEN p.default_code IS NULL THEN '' ELSE '[' || p.default_code || '] ' END
       || (t.name ->> 'en_US')
       || CASE p.id WHEN 133 THEN ' (White)' WHEN 160 THEN ' (Anthracite)' ELSE '' END AS label
FROM product_product AS p
JOIN product_template AS t ON t.id = p.product_tmpl_id;


-- ---------------------------------------------------------------------------
-- Bills of materials
-- ---------------------------------------------------------------------------

-- Bill 3 is shared by every company (company_id NULL); bill 15 belongs to
-- company 2; bill 16 is an archived older version of bill 1. Template 39
-- has two active bills, 9 before 10 by sequence. Bills 6 and 12 make two
-- pieces per run, bill 7 ten. Templates 43 and 46 have no bill.
INSERT INTO mrp_bom (id, code, active, type, product_tmpl_id, product_qty, product_uom_id, sequence,
                     ready_to_produce, company_id, consumption, produce_delay, days_to_prepare_mo,
                     create_uid, create_date, write_uid, write_date)
SELECT id, code, active, 'normal', tmpl_id, qty, 1, sequence, 'all_available', company_id, 'warning', 0, 0,
       COALESCE(company_id, 1) + 1, CURRENT_DATE - created + time '11:00',
       COALESCE(company_id, 1) + 1, CURRENT_DATE - created + time '11:00'
FROM (VALUES
    ( 1, NULL,              true,  31,  1, 10, 1,         150),
    ( 2, NULL,              true,  32,  1, 10, 1,         150),
    ( 3, NULL,              true,  33,  1, 10, NULL::int, 150),
    ( 4, NULL,              true,  34,  1, 10, 1,         150),
    ( 5, NULL,              true,  35,  1, 10, 1,         140),
    ( 6, NULL,              true,  36,  2, 10, 1,         140),
    ( 7, NULL,              true,  37, 10, 10, 1,         140),
    ( 8, NULL,              true,  38,  1, 10, 1,         130),
    ( 9, NULL,              true,  39,  1,  5, 1,         130),
    (10, 'FD-0921 triple',  true,  39,  1, 10, 1,          90),
    (11, NULL,              true,  40,  1, 10, 1,         130),
    (12, NULL,              true,  41,  2, 10, 1,         120),
    (13, NULL,              true,  42,  1, 10, 1,         120),
    (14, NULL,              true,  44,  1, 10, 1,         110),
    (15, NULL,              true,  45,  1, 10, 2,         100),
    (16, 'FW-0609 PVC seal',false, 31,  1, 20, 1,         300)
) AS b (id, code, active, tmpl_id, qty, sequence, company_id, created);

-- Quantities are per run of the bill, in the line's unit (units: 1 Units,
-- 2 Dozens, 3 kg, 4 g, 5 m, 6 mm). Bill 4 lists its lines out of sequence
-- order on purpose.
INSERT INTO mrp_bom_line (id, bom_id, product_id, product_tmpl_id, company_id, product_qty, product_uom_id,
                          sequence, manual_consumption, create_uid, create_date, write_uid, write_date)
SELECT l.id, l.bom_id, l.product_id, p.product_tmpl_id, b.company_id, l.qty, l.uom_id, l.sequence, false,
       b.create_uid, b.create_date, b.write_uid, b.write_date
FROM (VALUES
    -- 1: fixed window frame 600 x 900
    ( 1,  1, 101,  3.0,  5, 1), ( 2,  1, 106, 1, 1, 2), ( 3,  1, 109,  3.0, 5, 3),
    ( 4,  1, 111, 16,    1, 4), ( 5,  1, 113, 0.35, 3, 5), ( 6,  1, 119, 4, 1, 6),
    -- 2: fixed window frame 1200 x 1200
    ( 7,  2, 101,  4.8,  5, 1), ( 8,  2, 106, 1, 1, 2), ( 9,  2, 109,  4.8, 5, 3),
    (10,  2, 111, 24,    1, 4), (11,  2, 113, 0.55, 3, 5), (12,  2, 119, 4, 1, 6),
    -- 3: casement window 600 x 1050, shared; screws counted in dozens
    (13,  3, 101,  3.3,  5, 1), (14,  3, 102, 3.1, 5, 2), (15,  3, 106, 1, 1, 3),
    (16,  3, 109,  6.4,  5, 4), (17,  3, 115, 2,   1, 5), (18,  3, 117, 1, 1, 6),
    (19,  3, 111,  2,    2, 7), (20,  3, 119, 8,   1, 8),
    -- 4: casement window 1200 x 1050
    (21,  4, 109,  8.6,  5, 4), (22,  4, 101, 4.5, 5, 1), (23,  4, 102, 4.3, 5, 2),
    (24,  4, 106,  2,    1, 3), (25,  4, 115, 4,   1, 7), (26,  4, 103, 1.05, 5, 5),
    (27,  4, 117,  2,    1, 8), (28,  4, 111, 36,  1, 6),
    -- 5: tilt and turn window
    (29,  5, 101,  4.2,  5, 1), (30,  5, 102, 4.0, 5, 2), (31,  5, 107, 1, 1, 3),
    (32,  5, 109,  8.2,  5, 4), (33,  5, 117, 1,   1, 5), (34,  5, 115, 2, 1, 6),
    (35,  5, 114,  0.6,  3, 7),
    -- 6: replacement sash, two per run
    (36,  6, 102,  5.8,  5, 1), (37,  6, 106, 2, 1, 2), (38,  6, 109, 5.8, 5, 3),
    (39,  6, 119,  8,    1, 4),
    -- 7: window sill, ten per run; the extrusion counted in mm
    (40,  7, 105, 12000, 6, 1), (41,  7, 122, 20, 1, 2), (42,  7, 112, 40, 1, 3),
    (43,  7, 113,  2.4,  3, 4),
    -- 8: patio door
    (44,  8, 101,  7.8,  5, 1), (45,  8, 102, 7.6, 5, 2), (46,  8, 104, 1.8, 5, 3),
    (47,  8, 108,  2,    1, 4), (48,  8, 110, 7.6, 5, 5), (49,  8, 118, 1,   1, 6),
    (50,  8, 121,  1,    1, 7), (51,  8, 114, 1.4, 3, 8),
    -- 9: front door, double glazed
    (52,  9, 101,  6.0,  5, 1), (53,  9, 104, 0.95, 5, 2), (54,  9, 108, 1, 1, 3),
    (55,  9, 116,  3,    1, 4), (56,  9, 118, 1,    1, 5), (57,  9, 121, 1, 1, 6),
    (58,  9, 110,  6.0,  5, 7),
    -- 10: front door, triple glazed
    (59, 10, 101,  6.0,  5, 1), (60, 10, 104, 0.95, 5, 2), (61, 10, 107, 1, 1, 3),
    (62, 10, 116,  3,    1, 4), (63, 10, 118, 1,    1, 5), (64, 10, 121, 1, 1, 6),
    -- 11: French doors
    (65, 11, 101, 10.2,  5, 1), (66, 11, 102, 9.8, 5, 2), (67, 11, 104, 1.25, 5, 3),
    (68, 11, 108,  2,    1, 4), (69, 11, 116, 6,   1, 5), (70, 11, 118, 2,    1, 6),
    (71, 11, 121,  1,    1, 7), (72, 11, 110, 9.8, 5, 8),
    -- 12: fanlight frame, two per run
    (73, 12, 101,  4.8,  5, 1), (74, 12, 106, 2, 1, 2), (75, 12, 109, 4.8, 5, 3),
    (76, 12, 119,  8,    1, 4),
    -- 13: bay window set; powder coat counted in g
    (77, 13, 101, 12.6,  5, 1), (78, 13, 103, 3.2, 5, 2), (79, 13, 106, 3, 1, 3),
    (80, 13, 109, 12.6,  5, 4), (81, 13, 115, 4,   1, 5), (82, 13, 117, 2, 1, 6),
    (83, 13, 113, 1600,  4, 7),
    -- 14: garage side door
    (84, 14, 101,  5.8,  5, 1), (85, 14, 108, 1, 1, 2), (86, 14, 116, 3, 1, 3),
    (87, 14, 118,  1,    1, 4), (88, 14, 112, 12, 1, 5),
    -- 15: shopfront panel (company 2)
    (89, 15, 101,  8.0,  5, 1), (90, 15, 108, 1, 1, 2), (91, 15, 109, 8.0, 5, 3),
    (92, 15, 112,  1,    2, 4),
    -- 16: archived older fixed window frame with the retired PVC gasket
    (93, 16, 101,  3.0,  5, 1), (94, 16, 106, 1, 1, 2), (95, 16, 120, 3.0, 5, 3),
    (96, 16, 111, 16,    1, 4)
) AS l (id, bom_id, product_id, qty, uom_id, sequence)
JOIN product_product AS p ON p.id = l.product_id
JOIN mrp_bom AS b ON b.id = l.bom_id;


-- ---------------------------------------------------------------------------
-- Stock locations and quants
-- ---------------------------------------------------------------------------

INSERT INTO stock_location (id, name, complete_name, active, usage, location_id, parent_path, company_id,
                            scrap_location, return_location, replenish_location, barcode,
                            create_uid, create_date, write_uid, write_date)
SELECT id, name, complete_name, active, usage, parent_id, parent_path, company_id,
       scrap, false, replenish, barcode,
       COALESCE(company_id, 1) + 1, CURRENT_DATE - created + time '06:00',
       COALESCE(company_id, 1) + 1, CURRENT_DATE - created + time '06:00'
FROM (VALUES
    ( 1, 'Physical Locations',    'Physical Locations',                   true,  'view',       NULL::int, '1/',          NULL::int, false, false, NULL,          400),
    ( 2, 'Partners',              'Partners',                             true,  'view',       NULL,      '2/',          NULL,      false, false, NULL,          400),
    ( 3, 'Virtual Locations',     'Virtual Locations',                    true,  'view',       NULL,      '3/',          NULL,      false, false, NULL,          400),
    ( 4, 'Vendors',               'Partners/Vendors',                     true,  'supplier',   2,         '2/4/',        NULL,      false, false, NULL,          400),
    ( 5, 'Customers',             'Partners/Customers',                   true,  'customer',   2,         '2/5/',        NULL,      false, false, NULL,          400),
    ( 6, 'Inter-company transit', 'Physical Locations/Inter-company transit', true, 'transit', 1,         '1/6/',        NULL,      false, false, NULL,          300),
    ( 7, 'Inventory adjustment',  'Virtual Locations/Inventory adjustment', true, 'inventory', 3,         '3/7/',        1,         false, false, NULL,          400),
    ( 8, 'Production',            'Virtual Locations/Production',         true,  'production', 3,         '3/8/',        1,         false, false, NULL,          400),
    ( 9, 'Scrap',                 'Virtual Locations/Scrap',              true,  'inventory',  3,         '3/9/',        1,         true,  false, NULL,          400),
    (10, 'WH',                    'WH',                                   true,  'view',       1,         '1/10/',       1,         false, false, NULL,          400),
    (11, 'Stock',                 'WH/Stock',                             true,  'internal',   10,        '1/10/11/',    1,         false, true,  'WH-STOCK',    400),
    (12, 'Shelf 1',               'WH/Stock/Shelf 1',                     true,  'internal',   11,        '1/10/11/12/', 1,         false, false, 'WH-SHELF-1',  200),
    (13, 'Output',                'WH/Output',                            false, 'internal',   10,        '1/10/13/',    1,         false, false, 'WH-OUTPUT',   400),
    (14, 'DUB',                   'DUB',                                  true,  'view',       1,         '1/14/',       2,         false, false, NULL,          300),
    (15, 'Stock',                 'DUB/Stock',                            true,  'internal',   14,        '1/14/15/',    2,         false, true,  'DUB-STOCK',   300),
    (16, 'Inventory adjustment',  'Virtual Locations/Inventory adjustment', true, 'inventory', 3,         '3/16/',       2,         false, false, NULL,          300),
    (17, 'Production',            'Virtual Locations/Production',         true,  'production', 3,         '3/17/',       2,         false, false, NULL,          300)
) AS l (id, name, complete_name, active, usage, parent_id, parent_path, company_id, scrap, replenish, barcode, created);

-- Quants in the order Odoo created them while goods moved: a receipt makes
-- the vendor quant (negative) and then the stock quant; consumption by
-- manufacturing orders lands on the production location; counts and
-- write-offs on the inventory-adjustment location. Later moves update the
-- existing row of a product and location, so a row keeps its first id.
-- Quantities are today's totals, in the product's own unit; per product
-- they add up to 0. Gaps in the ids are quants Odoo removed at zero.
INSERT INTO stock_quant (id, product_id, company_id, location_id, quantity, reserved_quantity, in_date,
                         inventory_quantity_set, create_uid, create_date, write_uid, write_date)
SELECT q.id, q.product_id, l.company_id, q.location_id, q.quantity, q.reserved, CURRENT_DATE - q.day + time '09:30',
       false, CASE WHEN l.company_id = 2 THEN 3 ELSE 2 END, CURRENT_DATE - q.day + time '09:30',
       CASE WHEN l.company_id = 2 THEN 3 ELSE 2 END, CURRENT_DATE - q.day + time '09:30'
FROM (VALUES
    -- receipt P00010: gaskets
    ( 1, 109,  4, -505,    0, 75), ( 2, 109, 11,   75,   0, 75),
    ( 3, 110,  4, -100,    0, 75), ( 4, 110, 11,  -12,   0, 75),   -- brush seal overdrawn: negative stock
    ( 5, 120,  4,  -50,    0, 75),
    -- receipts P00001 and later P00004 (company 1) and P00013 (company 2): profiles
    ( 6, 101,  4, -980,    0, 70), ( 7, 101, 11,  280,  40, 70),
    ( 8, 102,  4, -400,    0, 70), ( 9, 102, 11,   90,   0, 70),
    -- receipt P00009: powder coat
    (10, 113,  4,  -25,    0, 66), (11, 113, 11, 17.65,  0, 66),
    (12, 114,  4,  -20,    0, 66), (13, 114, 11,   18,   0, 66),
    -- put-away to Shelf 1
    (14, 101, 12,  200,    0, 64), (15, 109, 12,  250,   0, 64),
    -- receipt P00002: glass
    (16, 106,  4,  -80,    0, 60), (17, 106, 11,   32,   4, 60),
    (18, 107,  4,  -12,    0, 60), (19, 107, 11,   12,   0, 60),
    -- receipt P00003: screws, bought by the dozen, kept in units
    (20, 111,  4, -600,    0, 58), (21, 111, 11,  284,   0, 58),
    (22, 112,  4, -432,    0, 58), (23, 112, 11,  288,   0, 58),
    -- first manufacturing orders consume components
    (24, 120,  8,   30,    0, 55), (25, 101,  8,  420,   0, 55),
    (26, 102,  8,  310,    0, 55), (27, 109,  8,  180,   0, 55),
    (28, 106,  8,   46,    0, 55), (29, 111,  8,  316,   0, 55),
    (30, 113,  8, 7.35,    0, 55),
    -- twelve fixed frames made and delivered
    (31, 131,  8,  -12,    0, 54), (33, 131,  5,   12,   0, 50),
    -- the old PVC gasket written off
    (34, 120,  7,   20,    0, 52),
    -- receipt P00008: hardware
    (35, 115,  4,  -40,    0, 50), (36, 115, 11,   12,   0, 50),
    (37, 116,  4,  -30,    0, 50), (38, 116, 11,   30,   0, 50),
    (39, 117,  4,  -25,    0, 50), (40, 117, 11,   19,   0, 50),
    (41, 121,  4,   -6,    0, 50), (42, 121, 11,    6,   0, 50),
    (43, 115, 12,   16,    0, 48),
    -- receipt P00011: corner cleats
    (44, 119,  4, -200,    0, 45), (45, 119, 11,  136,   0, 45),
    -- receipt P00004 (partial): mullion, threshold, sill
    (46, 103,  4,  -60,    0, 44), (47, 103, 11,   60,   0, 44),
    (48, 104,  4,  -24,    0, 44), (49, 104, 11,   15,   0, 44),
    (50, 105,  4,  -48,    0, 44), (51, 105, 11,    6,   0, 44),
    (52, 105, 12,   42,    0, 43),
    -- more manufacturing orders
    (53, 104,  8,  9.5,    0, 40), (54, 110,  8,  112,   0, 40),
    (55, 115,  8,   12,    0, 40), (56, 117,  8,    6,   0, 40),
    (57, 119,  8,   64,    0, 40), (58, 114,  8,    2,   0, 40),
    -- two patio doors made, one delivered, one still in stock
    (59, 138,  8,   -2,    0, 38), (60, 138, 11,    1,   0, 38), (61, 138,  5, 1, 0, 30),
    -- five white casements made and delivered
    (62, 133,  8,   -5,    0, 35), (64, 133,  5,    5,   0, 33),
    -- stock count: lever handles found, threshold found
    (65, 118,  7,   -4,    0, 30), (66, 118, 11,    4,   0, 30),
    (67, 104,  7, -0.5,    0, 30),
    -- two broken glazed units scrapped
    (68, 106,  9,    2,    0, 28),
    -- company 2: receipt P00013 and its first production
    (69, 101, 15,   50,    0, 25), (70, 112, 15,  144,   0, 25),
    (71, 101, 17,   30,    0, 20)
) AS q (id, product_id, location_id, quantity, reserved, day)
JOIN stock_location AS l ON l.id = q.location_id;


-- ---------------------------------------------------------------------------
-- Purchases
-- ---------------------------------------------------------------------------

INSERT INTO purchase_order (id, name, priority, partner_ref, date_order, date_approve, partner_id, currency_id,
                            state, invoice_count, user_id, company_id, mail_reminder_confirmed,
                            mail_reception_confirmed, create_uid, create_date, write_uid, write_date)
SELECT o.id, o.name, '0', o.partner_ref, CURRENT_DATE - o.day + time '10:15',
       CASE WHEN o.state IN ('purchase', 'done') THEN CURRENT_DATE - o.day + time '10:40' END,
       o.partner_id, c.currency_id, o.state, CASE o.state WHEN 'done' THEN 1 ELSE 0 END,
       o.company_id + 1, o.company_id, false, false,
       o.company_id + 1, CURRENT_DATE - o.day + time '10:15', o.company_id + 1, CURRENT_DATE - o.day + time '10:40'
FROM (VALUES
    ( 1, 'P00001', 30, 1, 'done',       72, 'AX-55102'),
    ( 2, 'P00002', 31, 1, 'purchase',   63, 'CV/8841'),
    ( 3, 'P00003', 33, 1, 'purchase',   60, NULL),
    ( 4, 'P00004', 30, 1, 'purchase',   48, 'AX-55617'),
    ( 5, 'P00005', 32, 1, 'sent',        3, NULL),
    ( 6, 'P00006', 34, 1, 'draft',       1, NULL),
    ( 7, 'P00007', 35, 1, 'cancel',     20, NULL),
    ( 8, 'P00008', 35, 1, 'purchase',   52, 'HH-20931'),
    ( 9, 'P00009', 34, 1, 'done',       68, NULL),
    (10, 'P00010', 32, 1, 'done',       78, 'ST-1187'),
    (11, 'P00011', 33, 1, 'purchase',   47, NULL),
    (12, 'P00012', 30, 1, 'to approve',  2, NULL),
    (13, 'P00013', 30, 2, 'purchase',   27, 'AX-55840'),
    (14, 'P00014', 31, 2, 'draft',       4, NULL)
) AS o (id, name, partner_id, company_id, state, day, partner_ref)
JOIN res_company AS c ON c.id = o.company_id;

-- Quantities in the line's unit: the screw lines (unit 2) count dozens.
-- P00010 received more EPDM gasket than ordered.
INSERT INTO purchase_order_line (id, order_id, sequence, name, product_qty, product_uom_qty, date_planned,
                                 product_uom, product_id, price_unit, discount, price_subtotal, price_tax,
                                 price_total, company_id, state, qty_invoiced, qty_received_method,
                                 qty_received, qty_received_manual, qty_to_invoice, partner_id, currency_id,
                                 display_type, propagate_cancel,
                                 create_uid, create_date, write_uid, write_date)
SELECT l.id, l.order_id, l.sequence,
       COALESCE(l.name, pl.label),
       l.qty,
       round(l.qty / COALESCE(u.factor, 1), 2)::double precision,
       CASE WHEN l.product_id IS NOT NULL THEN CURRENT_DATE + l.planned_day + time '08:00' END,
       l.uom_id, l.product_id, l.price, 0,
       l.qty * l.price, round(l.qty * l.price * 0.2, 2)::double precision, round(l.qty * l.price * 1.2, 2),
       o.company_id, o.state,
       CASE WHEN o.state = 'done' THEN l.received ELSE 0 END,
       CASE WHEN l.product_id IS NOT NULL THEN 'stock_moves' END,
       l.received, 0,
       CASE WHEN o.state = 'purchase' THEN l.received ELSE 0 END,
       o.partner_id, o.currency_id, l.display_type, false,
       o.create_uid, o.create_date, o.write_uid, o.write_date
FROM (VALUES
    -- P00001, done
    ( 1,  1, 10, 101, NULL,           NULL::text, 600,  5, 600,  6.85, -70),
    ( 2,  1, 20, 102, NULL,           NULL,       400,  5, 400,  7.40, -70),
    -- P00002: safety glass still to come
    ( 3,  2, 10, 106, NULL,           NULL,        80,  1,  80, 38.50, -60),
    ( 4,  2, 20, 107, NULL,           NULL,        12,  1,  12, 61.00, -60),
    ( 5,  2, 30, 108, NULL,           NULL,         4,  1,   0, 44.00,   5),
    -- P00003: screws by the dozen, with a section and a note
    ( 6,  3, 10, NULL, 'line_section','Fixings',    0, NULL, 0,  0,    NULL),
    ( 7,  3, 20, 111, NULL,           NULL,        50,  2,  50,  3.60, -58),
    ( 8,  3, 30, 112, NULL,           NULL,        24,  2,  24,  4.20, -58),
    ( 9,  3, 40, 111, NULL,           NULL,        20,  2,   0,  3.60,   4),
    (10,  3, 50, NULL, 'line_note',   'Backorder for the 4.8 x 38 screws: the supplier ships in two weeks.', 0, NULL, 0, 0, NULL),
    -- P00004: partly received
    (11,  4, 10, NULL, 'line_section','Profiles, second batch', 0, NULL, 0, 0, NULL),
    (12,  4, 20, 101, NULL,           NULL,       400,  5, 300,  6.95, -44),
    (13,  4, 30, 103, NULL,           NULL,        60,  5,  60,  8.10, -44),
    (14,  4, 40, 104, NULL,           NULL,        24,  5,  24,  9.30, -44),
    (15,  4, 50, 105, NULL,           NULL,        60,  5,  48, 11.20, -44),
    (16,  4, 60, NULL, 'line_note',   'Deliver to gate B before 10:00, forklift on site.', 0, NULL, 0, 0, NULL),
    -- P00005: request for quotation sent
    (17,  5, 10, 109, NULL,           NULL,       300,  5,   0,  0.92,   6),
    (18,  5, 20, 110, NULL,           NULL,       150,  5,   0,  0.65,   6),
    -- P00006: draft request for quotation
    (19,  6, 10, 114, NULL,           NULL,        25,  3,   0, 12.80,   8),
    -- P00007: cancelled
    (20,  7, 10, 118, NULL,           NULL,        10,  1,   0, 18.50, -10),
    (21,  7, 20, 121, NULL,           NULL,        10,  1,   0, 46.00, -10),
    -- P00008: handles still to come
    (22,  8, 10, 115, NULL,           NULL,        40,  1,  40,  7.20, -50),
    (23,  8, 20, 116, NULL,           NULL,        30,  1,  30,  4.10, -50),
    (24,  8, 30, 117, NULL,           NULL,        25,  1,  25,  6.40, -50),
    (25,  8, 40, 121, NULL,           NULL,         6,  1,   6, 46.00, -50),
    (26,  8, 50, 118, NULL,           NULL,        12,  1,   0, 18.50,   3),
    -- P00009, done
    (27,  9, 10, 113, NULL,           NULL,        25,  3,  25, 11.90, -66),
    (28,  9, 20, 114, NULL,           NULL,        20,  3,  20, 12.80, -66),
    -- P00010, done; 505 m of the 500 m gasket arrived
    (29, 10, 10, 109, NULL,           NULL,       500,  5, 505,  0.90, -75),
    (30, 10, 20, 110, NULL,           NULL,       100,  5, 100,  0.65, -75),
    (31, 10, 30, 120, NULL,           NULL,        50,  5,  50,  0.40, -75),
    -- P00011: drainage caps still to come
    (32, 11, 10, 119, NULL,           NULL,       200,  1, 200,  0.55, -45),
    (33, 11, 20, 122, NULL,           NULL,       100,  1,   0,  0.30,   2),
    -- P00012: waiting for approval
    (34, 12, 10, 102, NULL,           NULL,       300,  5,   0,  7.45,  12),
    -- P00013 (company 2)
    (35, 13, 10, 101, NULL,           NULL,        80,  5,  80,  7.90, -25),
    (36, 13, 20, 112, NULL,           NULL,        12,  2,  12,  4.90, -25),
    -- P00014 (company 2), draft
    (37, 14, 10, 108, NULL,           NULL,         2,  1,   0, 51.00,  10),
    (38, 14, 20, NULL, 'line_note',   'Quotation valid for 30 days.', 0, NULL, 0, 0, NULL)
) AS l (id, order_id, sequence, product_id, display_type, name, qty, uom_id, received, price, planned_day)
JOIN purchase_order AS o ON o.id = l.order_id
LEFT JOIN uom_uom AS u ON u.id = l.uom_id
LEFT JOIN demo_product_label AS pl ON pl.id = l.product_id;

UPDATE purchase_order AS o
SET amount_untaxed = t.untaxed,
    amount_tax = t.tax,
    amount_total = t.untaxed + t.tax,
    date_planned = t.planned,
    date_calendar_start = CASE WHEN o.state IN ('purchase', 'done') THEN o.date_approve ELSE o.date_order END,
    invoice_status = CASE WHEN o.state = 'done' THEN 'invoiced'
                          WHEN o.state = 'purchase' AND t.to_invoice > 0 THEN 'to invoice'
                          ELSE 'no' END
FROM (SELECT order_id,
             sum(price_subtotal) AS untaxed,
             sum(price_tax)::numeric AS tax,
             min(date_planned) AS planned,
             sum(qty_to_invoice) AS to_invoice
      FROM purchase_order_line
      GROUP BY order_id) AS t
WHERE t.order_id = o.id;


-- ---------------------------------------------------------------------------
-- Sales
-- ---------------------------------------------------------------------------

-- commitment_date is the date promised to the customer; where it is NULL
-- the order date counts. 23:00 UTC is midnight in Bristol in summer.
INSERT INTO sale_order (id, name, state, company_id, partner_id, partner_invoice_id, partner_shipping_id,
                        currency_id, user_id, client_order_ref, date_order, commitment_date, validity_date,
                        currency_rate, locked, require_signature, require_payment,
                        create_uid, create_date, write_uid, write_date)
SELECT o.id, o.name, o.state, o.company_id, o.partner_id, p.commercial_partner_id, o.partner_id,
       c.currency_id, o.company_id + 1, o.client_ref,
       CURRENT_DATE + o.order_day + o.order_time::time,
       CURRENT_DATE + o.commit_day + o.commit_time::time,
       CURRENT_DATE + o.order_day + 30,
       1.0, false, true, false,
       o.company_id + 1, CURRENT_DATE + o.order_day + o.order_time::time - interval '2 days',
       o.company_id + 1, CURRENT_DATE + o.order_day + o.order_time::time
FROM (VALUES
    ( 1, 'S00001',  1, 10, 'sale',   -62, '09:14', -4::int, '07:00', 'PO 4471'),
    ( 2, 'S00002',  1, 11, 'sale',   -60, '10:02', -3,      '14:30', NULL),
    ( 3, 'S00003',  1, 13, 'sale',   -58, '11:45', NULL,    NULL,    'DHA/REP/0915'),
    ( 4, 'S00004',  1, 14, 'sale',   -57, '08:30', -2,      '23:00', NULL),
    ( 5, 'S00005',  2, 23, 'sale',   -56, '09:00',  3,      '08:00', NULL),
    ( 6, 'S00006',  1, 15, 'sale',   -55, '13:20', -1,      '16:00', NULL),
    ( 7, 'S00007',  1, 12, 'cancel', -54, '15:05',  5,      '07:00', NULL),
    ( 8, 'S00008',  1, 16, 'sale',   -53, '09:40',  0,      '12:00', NULL),
    ( 9, 'S00009',  1, 21, 'sale',   -52, '10:10',  1,      '07:30', 'CRD plot 9'),
    (10, 'S00010',  1, 17, 'sale',   -50, '14:00',  2,      '14:30', NULL),
    (11, 'S00011',  1, 18, 'sale',   -49, '08:05',  3,      '09:00', 'IST-2291'),
    (12, 'S00012',  1, 19, 'sale',   -48, '16:40', NULL,    NULL,    NULL),
    (13, 'S00013',  1, 20, 'sale',   -47, '11:11',  4,      '23:00', NULL),
    (14, 'S00014',  1, 10, 'sale',   -46, '09:30',  5,      '07:00', 'PO 4502'),
    (15, 'S00015',  2, 24, 'sale',   -45, '10:00',  7,      '10:00', NULL),
    (16, 'S00016',  1, 11, 'sale',   -44, '12:00',  6,      '15:00', NULL),
    (17, 'S00017',  1, 13, 'sale',   -43, '09:15',  7,      '07:00', 'DHA/REP/0931'),
    (18, 'S00018',  1, 25, 'sale',   -42, '15:30',  8,      '12:00', NULL),
    (19, 'S00019',  1, 26, 'sale',   -41, '09:00',  9,      '07:00', NULL),
    (20, 'S00020',  1, 14, 'sale',   -40, '10:45', 10,      '14:30', NULL),
    (21, 'S00021',  1, 15, 'draft',  -39, '11:00', 20,      '07:00', NULL),
    (22, 'S00022',  1, 16, 'sale',   -38, '11:20', 11,      '16:00', NULL),
    (23, 'S00023',  1, 17, 'sale',   -37, '13:00', NULL,    NULL,    NULL),
    (24, 'S00024',  1, 22, 'sale',   -36, '09:50', 12,      '07:00', NULL),
    (25, 'S00025',  1, 18, 'sale',   -35, '08:40', 13,      '09:30', 'IST-2304'),
    (26, 'S00026',  1, 19, 'cancel', -34, '10:00', 14,      '07:00', NULL),
    (27, 'S00027',  1, 20, 'sale',   -33, '14:15', 14,      '23:00', NULL),
    (28, 'S00028',  1, 10, 'sale',   -32, '09:05', 15,      '07:00', 'PO 4533'),
    (29, 'S00029',  2, 23, 'sale',   -31, '11:00', 16,      '08:00', NULL),
    (30, 'S00030',  1, 11, 'sale',   -30, '10:30', 17,      '14:30', NULL),
    (31, 'S00031',  1, 12, 'sale',   -29, '12:45', 18,      '07:00', NULL),
    (32, 'S00032',  1, 13, 'sale',   -28, '09:25', 19,      '15:00', 'DHA/NEW/0112'),
    (33, 'S00033',  1, 26, 'sale',   -27, '15:55', 20,      '07:00', NULL),
    (34, 'S00034',  1, 14, 'sale',   -26, '08:15', NULL,    NULL,    NULL),
    (35, 'S00035',  1, 15, 'sale',   -25, '10:40', 21,      '12:00', NULL),
    (36, 'S00036',  1, 16, 'cancel', -24, '11:30', 22,      '07:00', NULL),
    (37, 'S00037',  1, 17, 'sale',   -23, '13:10', 23,      '07:00', NULL),
    (38, 'S00038',  1, 18, 'sale',   -22, '09:35', 24,      '14:30', 'IST-2318'),
    (39, 'S00039',  1, 19, 'sale',   -21, '14:50', 25,      '07:00', NULL),
    (40, 'S00040',  1, 20, 'sale',   -20, '10:05', 26,      '09:00', NULL),
    (41, 'S00041',  2, 24, 'draft',  -19, '12:00', 30,      '08:00', NULL),
    (42, 'S00042',  1, 25, 'sale',   -18, '16:20', 27,      '07:00', NULL),
    (43, 'S00043',  1, 10, 'sale',   -17, '09:45', 28,      '23:00', 'PO 4561'),
    (44, 'S00044',  1, 11, 'sale',   -16, '11:05', 29,      '07:00', NULL),
    (45, 'S00045',  1, 12, 'sale',   -15, '13:35', 30,      '14:30', NULL),
    (46, 'S00046',  1, 13, 'sale',   -14, '08:50', NULL,    NULL,    'DHA/REP/0967'),
    (47, 'S00047',  1, 21, 'sale',   -13, '10:25', 31,      '07:00', 'CRD plot 9'),
    (48, 'S00048',  1, 14, 'sale',   -12, '15:15', 32,      '07:00', NULL),
    (49, 'S00049',  1, 15, 'sale',   -11, '09:10', 33,      '12:00', NULL),
    (50, 'S00050',  1, 16, 'sale',   -10, '12:30', 34,      '07:00', NULL),
    (51, 'S00051',  2, 23, 'sale',    -9, '10:00', 35,      '08:00', NULL),
    (52, 'S00052',  1, 17, 'sale',    -8, '14:05', 36,      '07:00', NULL),
    (53, 'S00053',  1, 26, 'sale',    -7, '09:55', 38,      '14:30', NULL),
    (54, 'S00054',  1, 18, 'cancel',  -6, '11:40', 40,      '07:00', NULL),
    (55, 'S00055',  1, 19, 'sale',    -5, '10:15', 41,      '07:00', NULL),
    (56, 'S00056',  1, 20, 'sale',    -4, '13:25', 42,      '16:00', NULL),
    (57, 'S00057',  1, 10, 'sent',    -3, '09:30', 35,      '07:00', NULL),
    (58, 'S00058',  1, 11, 'draft',   -2, '10:50', 39,      '07:00', NULL),
    (59, 'S00059',  1, 12, 'draft',   -1, '15:20', NULL,    NULL,    NULL),
    (60, 'S00060',  1, 13, 'draft',    0, '08:10', 42,      '07:00', NULL)
) AS o (id, name, company_id, partner_id, state, order_day, order_time, commit_day, commit_time, client_ref)
JOIN res_company AS c ON c.id = o.company_id
JOIN res_partner AS p ON p.id = o.partner_id;

-- Lines: product (NULL on section and note lines), quantity, quantity
-- delivered and invoiced so far. Prices are list prices unless given.
-- Everything else follows from the order and the product as Odoo computes
-- it: state and company from the order; qty_to_invoice is what is ordered
-- but not yet invoiced on a confirmed line (invoicing on order), 0 otherwise.
INSERT INTO sale_order_line (id, order_id, sequence, company_id, currency_id, order_partner_id, salesman_id,
                             state, display_type, is_downpayment, is_expense, product_id, product_uom,
                             product_uom_qty, name, price_unit, discount, price_subtotal, price_tax, price_total,
                             price_reduce_taxexcl, price_reduce_taxinc, customer_lead, qty_delivered_method,
                             qty_delivered, qty_invoiced, qty_to_invoice, invoice_status,
                             untaxed_amount_invoiced, untaxed_amount_to_invoice,
                             create_uid, create_date, write_uid, write_date)
SELECT l.id, l.order_id, l.sequence, o.company_id, o.currency_id, o.partner_id, o.user_id,
       o.state, l.display_type, false, false, l.product_id, t.uom_id,
       l.qty, COALESCE(l.name, pl.label), x.price, 0,
       l.qty * x.price, round(l.qty * x.price * 0.2, 2)::double precision, round(l.qty * x.price * 1.2, 2),
       x.price, round(x.price * 1.2, 2), COALESCE(t.sale_delay, 0),
       CASE WHEN t.type = 'product' THEN 'stock_move' ELSE 'manual' END,
       l.delivered, l.invoiced, x.to_invoice,
       CASE WHEN x.to_invoice > 0 THEN 'to invoice'
            WHEN o.state = 'sale' AND l.display_type IS NULL AND l.invoiced >= l.qty THEN 'invoiced'
            ELSE 'no' END,
       l.invoiced * x.price, x.to_invoice * x.price,
       o.create_uid, o.create_date, o.write_uid,
       CASE WHEN l.delivered > 0 THEN LEAST(o.write_date + interval '20 days', CURRENT_DATE - 1 + time '17:00')
            ELSE o.write_date END
FROM (VALUES
    ( 1,  1, 10, 131, NULL,           NULL::text,   6,   6,  6, NULL::numeric),
    ( 2,  1, 20, 132, NULL,           NULL,         4,   0,  0, NULL),
    ( 3,  2, 10, 133, NULL,           NULL,         8,   8,  0, NULL),   -- delivered, not yet invoiced
    ( 4,  2, 20, 137, NULL,           NULL,         8,   0,  0, NULL),
    ( 5,  3, 10, NULL, 'line_section','Ground floor', 0, 0,  0, NULL),
    ( 6,  3, 20, 134, NULL,           NULL,         3,   0,  0, NULL),
    ( 7,  3, 30, NULL, 'line_section','First floor',  0, 0,  0, NULL),
    ( 8,  3, 40, 160, NULL,           NULL,         4,   0,  0, NULL),
    ( 9,  4, 10, 136, NULL,           NULL,        10,  10, 10, NULL),
    (10,  4, 20, 141, NULL,           NULL,         4,   0,  0, NULL),
    (11,  5, 10, 145, NULL,           NULL,         2,   0,  0, 1395.00),
    (12,  5, 20, 146, NULL,           NULL,         6,   0,  0, 85.00),
    (13,  6, 10, 138, NULL,           E'[PD-1821] Patio door 1800 x 2100\nRAL 7016 anthracite, left-hand slider', 1, 0, 0, NULL),
    (14,  7, 10, 139, NULL,           NULL,         1,   0,  0, NULL),
    (15,  7, 20, 137, NULL,           NULL,         2,   0,  0, NULL),
    (16,  8, 10, 139, NULL,           NULL,         1,   0,  0, NULL),
    (17,  8, 20, 146, NULL,           NULL,       3.5,   0,  0, NULL),   -- hours of fitting
    (18,  9, 10, 132, NULL,           NULL,        12,   0,  0, 249.00),
    (19, 10, 10, 131, NULL,           NULL,        10,   0,  0, NULL),
    (20, 10, 20, 137, NULL,           NULL,        10,   0,  0, NULL),
    (21, 10, 30, NULL, 'line_note',   'Site contact: J. Hartley, 07700 900412', 0, 0, 0, NULL),
    (22, 11, 10, 134, NULL,           NULL,        14,   4,  4, 520.00),   -- partly delivered and invoiced
    (23, 11, 20, 141, NULL,           NULL,         6,   0,  0, NULL),
    (24, 12, 10, 142, NULL,           NULL,         1,   0,  0, NULL),
    (25, 13, 10, 140, NULL,           NULL,         1,   0,  0, NULL),
    (26, 13, 20, 133, NULL,           NULL,         2,   0,  0, NULL),
    (27, 14, 10, 135, NULL,           NULL,         6,   0,  0, NULL),
    (28, 15, 10, 145, NULL,           NULL,         1,   0,  0, 1395.00),
    (29, 15, 20, 131, NULL,           NULL,         4,   0,  0, 210.00),
    (30, 16, 10, 138, NULL,           NULL,         2,   2,  2, NULL),
    (31, 16, 20, 144, NULL,           NULL,         1,   0,  0, NULL),
    (32, 17, 10, 134, NULL,           NULL,         9,   0,  0, 520.00),
    (33, 17, 20, 141, NULL,           NULL,         3,   0,  0, NULL),
    (34, 18, 10, 139, NULL,           E'[FD-0921] Front door, single 900 x 2100\nTriple glazed, chrome lever handles', 1, 0, 0, 1620.00),
    (35, 19, 10, 131, NULL,           NULL,        24,   0,  0, 175.00),
    (36, 19, 20, 137, NULL,           NULL,        24,  24, 24, NULL),
    (37, 20, 10, 136, NULL,           NULL,         7,   0,  0, NULL),
    (38, 21, 10, 142, NULL,           NULL,         1,   0,  0, NULL),
    (39, 22, 10, 160, NULL,           NULL,         3,   0,  0, 345.00),
    (40, 23, 10, 143, NULL,           NULL,         8,   0,  0, NULL),
    (41, 24, 10, 133, NULL,           NULL,         6,   0,  0, NULL),
    (42, 25, 10, 134, NULL,           NULL,        20,   0,  0, 510.00),
    (43, 25, 20, NULL, 'line_section','Phase 2 (call-off)', 0, 0, 0, NULL),
    (44, 25, 30, 134, NULL,           NULL,        12,   0,  0, 510.00),
    (45, 26, 10, 138, NULL,           NULL,         1,   0,  0, NULL),
    (46, 27, 10, 140, NULL,           NULL,         2,   0,  0, NULL),
    (47, 28, 10, 132, NULL,           NULL,         5,   0,  0, NULL),
    (48, 28, 20, 141, NULL,           NULL,         5,   5,  5, NULL),
    (49, 29, 10, 131, NULL,           NULL,         8,   0,  0, 210.00),
    (50, 30, 10, 135, NULL,           NULL,         4,   0,  0, NULL),
    (51, 30, 20, 137, NULL,           NULL,         4,   0,  0, NULL),
    (52, 31, 10, 144, NULL,           NULL,         2,   0,  0, NULL),
    (53, 32, 10, 131, NULL,           NULL,        16,   6,  6, 175.00),   -- partly delivered and invoiced
    (54, 33, 10, 133, NULL,           NULL,        10,   0,  0, NULL),
    (55, 33, 20, 160, NULL,           NULL,        10,   0,  0, 345.00),
    (56, 34, 10, 137, NULL,           NULL,        40,   0,  0, 34.00),
    (57, 35, 10, 139, NULL,           NULL,         2,   0,  0, NULL),
    (58, 36, 10, 134, NULL,           NULL,         4,   0,  0, NULL),
    (59, 37, 10, 142, NULL,           NULL,         1,   0,  0, NULL),
    (60, 37, 20, 146, NULL,           NULL,         8,   0,  0, NULL),
    (61, 38, 10, 136, NULL,           NULL,        12,   0,  0, NULL),
    (62, 39, 10, 132, NULL,           NULL,         7,   0,  0, NULL),
    (63, 39, 20, 133, NULL,           NULL,         2,   0,  0, NULL),
    (64, 40, 10, 140, NULL,           NULL,         1,   0,  0, NULL),
    (65, 40, 20, NULL, 'line_note',   'Heritage approval: glazing bars to match the existing sashes.', 0, 0, 0, NULL),
    (66, 41, 10, 145, NULL,           NULL,         3,   0,  0, 1395.00),
    (67, 42, 10, 131, NULL,           NULL,         3,   0,  0, NULL),
    (68, 43, 10, 135, NULL,           NULL,         2,   0,  0, NULL),
    (69, 43, 20, 138, NULL,           NULL,         1,   0,  0, NULL),
    (70, 44, 10, 134, NULL,           NULL,         6,   0,  0, NULL),
    (71, 44, 20, 146, NULL,           NULL,         2,   0,  0, NULL),
    (72, 45, 10, 141, NULL,           NULL,        10,   0,  0, 112.00),
    (73, 46, 10, 144, NULL,           NULL,         1,   1,  1, NULL),
    (74, 46, 20, 133, NULL,           NULL,         4,   0,  0, NULL),
    (75, 47, 10, 140, NULL,           NULL,         3,   0,  0, 2050.00),
    (76, 48, 10, 137, NULL,           NULL,        15,   0,  0, NULL),
    (77, 49, 10, 132, NULL,           NULL,         9,   0,  0, NULL),
    (78, 49, 20, 137, NULL,           NULL,         9,   0,  0, NULL),
    (79, 50, 10, 139, NULL,           NULL,         1,   0,  0, NULL),
    (80, 51, 10, 145, NULL,           NULL,         1,   0,  0, 1395.00),
    (81, 51, 20, 146, NULL,           NULL,         4,   0,  0, 85.00),
    (82, 52, 10, 142, NULL,           NULL,         2,   0,  0, NULL),
    (83, 53, 10, NULL, 'line_section','Windows for block C', 0, 0, 0, NULL),
    (84, 53, 20, 131, NULL,           NULL,        30,   0,  0, 170.00),
    (85, 54, 10, 135, NULL,           NULL,         3,   0,  0, NULL),
    (86, 55, 10, 160, NULL,           NULL,         6,   0,  0, NULL),
    (87, 55, 20, 141, NULL,           NULL,         2,   0,  0, NULL),
    (88, 56, 10, 138, NULL,           NULL,         1,   0,  0, NULL),
    (89, 56, 20, 131, NULL,           NULL,         2,   0,  0, NULL),
    (90, 57, 10, 134, NULL,           NULL,         8,   0,  0, NULL),
    (91, 58, 10, 132, NULL,           NULL,         4,   0,  0, NULL),
    (92, 59, 10, 139, NULL,           NULL,         1,   0,  0, NULL),
    (93, 60, 10, NULL, 'line_section','Option A: aluminium sashes', 0, 0, 0, NULL),
    (94, 60, 20, 136, NULL,           NULL,         6,   0,  0, NULL)
) AS l (id, order_id, sequence, product_id, display_type, name, qty, delivered, invoiced, price)
JOIN sale_order AS o ON o.id = l.order_id
LEFT JOIN product_product AS p ON p.id = l.product_id
LEFT JOIN product_template AS t ON t.id = p.product_tmpl_id
LEFT JOIN demo_product_label AS pl ON pl.id = l.product_id
CROSS JOIN LATERAL (
    SELECT CASE WHEN l.display_type IS NOT NULL THEN 0 ELSE COALESCE(l.price, t.list_price) END AS price,
           CASE WHEN o.state = 'sale' AND l.display_type IS NULL THEN l.qty - l.invoiced ELSE 0 END AS to_invoice
) AS x;

UPDATE sale_order AS o
SET amount_untaxed = t.untaxed,
    amount_tax = t.tax,
    amount_total = t.untaxed + t.tax,
    invoice_status = CASE WHEN o.state <> 'sale' THEN 'no'
                          WHEN t.to_invoice > 0 THEN 'to invoice'
                          WHEN t.all_invoiced THEN 'invoiced'
                          ELSE 'no' END
FROM (SELECT order_id,
             sum(price_subtotal) AS untaxed,
             sum(price_tax)::numeric AS tax,
             sum(qty_to_invoice) AS to_invoice,
             bool_and(invoice_status = 'invoiced') FILTER (WHERE display_type IS NULL) AS all_invoiced
      FROM sale_order_line
      GROUP BY order_id) AS t
WHERE t.order_id = o.id;

DROP VIEW demo_product_label;


-- ---------------------------------------------------------------------------
-- Let later inserts without ids follow on from the demo rows.
-- ---------------------------------------------------------------------------

DO $$
DECLARE
    t text;
BEGIN
    FOREACH t IN ARRAY ARRAY['res_users', 'res_currency', 'res_partner', 'res_company', 'uom_category',
                             'uom_uom', 'product_category', 'product_template', 'product_product',
                             'mrp_bom', 'mrp_bom_line', 'stock_location', 'stock_quant',
                             'purchase_order', 'purchase_order_line', 'sale_order', 'sale_order_line']
    LOOP
        EXECUTE format('SELECT setval(pg_get_serial_sequence(%L, ''id''), (SELECT max(id) FROM %I))', t, t);
    END LOOP;
END
$$;

COMMIT;
