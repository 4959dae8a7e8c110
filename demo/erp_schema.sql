-- ERP tables of an Odoo 17 database, as far as Brontalo reads them.
--
-- Columns, types, NOT NULL flags, foreign keys and CHECK constraints are
-- those an Odoo 17 installation (base, uom, product, stock, mrp, sale,
-- purchase) creates; columns Brontalo never looks at are mostly left out.
-- Run once on an empty database, before demo_data.sql.
--
-- For whoever writes test fixtures against this schema:
--
-- * Odoo keeps no column defaults in the database: the ORM fills them. A
--   column left out of an INSERT is NULL. In particular `active` left out is
--   NULL, which `active=true` filters do not match: give it explicitly.
-- * The bookkeeping columns create_uid, create_date, write_uid, write_date
--   exist on every table and are nullable, as in Odoo.
-- * Ids are `serial`; rows inserted with explicit ids need a setval on
--   <table>_id_seq before rows without ids can follow.
-- * NOT NULL columns besides id, per table:
--     res_users            login, partner_id, company_id
--     res_currency         name, symbol
--     res_partner          (none; name may be NULL unless type = 'contact')
--     res_company          name, partner_id, currency_id
--     uom_category         name
--     uom_uom              name, category_id, factor, rounding, uom_type
--     product_category     name
--     product_template     name, type, detailed_type, categ_id, uom_id, uom_po_id
--     product_product      product_tmpl_id
--     sale_order           name, company_id, partner_id, partner_invoice_id,
--                          partner_shipping_id, date_order
--     sale_order_line      order_id, name, product_uom_qty, price_unit, customer_lead
--     mrp_bom              type, product_tmpl_id, product_qty, product_uom_id,
--                          ready_to_produce, consumption
--     mrp_bom_line         bom_id, product_id, product_qty, product_uom_id
--     stock_location       name, usage
--     stock_quant          product_id, location_id, reserved_quantity, in_date
--     purchase_order       name, partner_id, company_id, currency_id, date_order
--     purchase_order_line  order_id, name, product_qty, price_unit
-- * CHECK constraints that bite fixtures:
--     res_partner          type 'contact' needs a name; nameless partners are
--                          'delivery', 'invoice' or 'other' addresses
--     uom_uom              factor <> 0, rounding > 0, a 'reference' unit has factor 1
--     mrp_bom              product_qty > 0;  mrp_bom_line: product_qty >= 0
--     sale_order_line      a product line (display_type NULL) needs product_id and
--                          product_uom; a section/note line needs product_id NULL,
--                          product_uom NULL, product_uom_qty 0, price_unit 0,
--                          customer_lead 0
--     purchase_order_line  a product line needs product_id, product_uom and
--                          date_planned; a section/note line needs all three NULL,
--                          price_unit 0 and product_uom_qty 0
-- * Stored related fields are plain columns here, filled by whoever inserts:
--   mrp_bom_line.product_tmpl_id (the component's template) and company_id
--   (the bill's company); sale_order_line / purchase_order_line company_id and
--   state (the order's); stock_quant.company_id (the location's).


-- ---------------------------------------------------------------------------
-- Users, currencies, partners, companies
-- ---------------------------------------------------------------------------

-- Created first so that every later table can point its create_uid and
-- write_uid at it; its links to partners and companies follow below.
CREATE TABLE res_users (
    id          serial PRIMARY KEY,
    login       character varying NOT NULL,
    password    character varying,
    partner_id  integer NOT NULL,
    company_id  integer NOT NULL,
    active      boolean,
    share       boolean,
    create_uid  integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date timestamp without time zone,
    write_uid   integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date  timestamp without time zone,
    CONSTRAINT res_users_login_key UNIQUE (login)
);

CREATE TABLE res_currency (
    id             serial PRIMARY KEY,
    name           character varying NOT NULL,
    full_name      character varying,
    symbol         character varying NOT NULL,
    rounding       numeric,
    decimal_places integer,
    active         boolean,
    position       character varying,
    create_uid     integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date    timestamp without time zone,
    write_uid      integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date     timestamp without time zone,
    CONSTRAINT res_currency_unique_name UNIQUE (name),
    CONSTRAINT res_currency_rounding_gt_zero CHECK (rounding > 0)
);

CREATE TABLE res_partner (
    id                    serial PRIMARY KEY,
    name                  character varying,
    complete_name         character varying,
    company_id            integer,   -- NULL: shared by all companies
    parent_id             integer REFERENCES res_partner (id) ON DELETE SET NULL,
    commercial_partner_id integer REFERENCES res_partner (id) ON DELETE SET NULL,
    type                  character varying,   -- contact, invoice, delivery, other
    ref                   character varying,
    lang                  character varying,
    tz                    character varying,
    active                boolean,
    is_company            boolean,
    email                 character varying,
    phone                 character varying,
    street                character varying,
    city                  character varying,
    zip                   character varying,
    vat                   character varying,
    customer_rank         integer,
    supplier_rank         integer,
    partner_share         boolean,
    create_uid            integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date           timestamp without time zone,
    write_uid             integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date            timestamp without time zone,
    CONSTRAINT res_partner_check_name
        CHECK ((type = 'contact' AND name IS NOT NULL) OR (type <> 'contact'))
);

CREATE TABLE res_company (
    id          serial PRIMARY KEY,
    name        character varying NOT NULL,
    partner_id  integer NOT NULL REFERENCES res_partner (id) ON DELETE RESTRICT,
    currency_id integer NOT NULL REFERENCES res_currency (id) ON DELETE RESTRICT,
    parent_id   integer REFERENCES res_company (id) ON DELETE RESTRICT,
    parent_path character varying,
    sequence    integer,
    active      boolean,
    email       character varying,
    phone       character varying,
    create_uid  integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date timestamp without time zone,
    write_uid   integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date  timestamp without time zone,
    CONSTRAINT res_company_name_uniq UNIQUE (name)
);

-- Users, partners and companies refer to each other.
ALTER TABLE res_partner
    ADD FOREIGN KEY (company_id) REFERENCES res_company (id) ON DELETE SET NULL;
ALTER TABLE res_users
    ADD FOREIGN KEY (partner_id) REFERENCES res_partner (id) ON DELETE RESTRICT,
    ADD FOREIGN KEY (company_id) REFERENCES res_company (id) ON DELETE RESTRICT;


-- ---------------------------------------------------------------------------
-- Units of measure
-- ---------------------------------------------------------------------------

CREATE TABLE uom_category (
    id          serial PRIMARY KEY,
    name        jsonb NOT NULL,
    create_uid  integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date timestamp without time zone,
    write_uid   integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date  timestamp without time zone
);

-- factor: how many of this unit make one reference unit of the category
-- (Dozens 1/12, g 1000 against kg).
CREATE TABLE uom_uom (
    id          serial PRIMARY KEY,
    name        jsonb NOT NULL,   -- {"en_US": "Units", "de_DE": "Einheiten"}
    category_id integer NOT NULL REFERENCES uom_category (id) ON DELETE RESTRICT,
    factor      numeric NOT NULL,
    rounding    numeric NOT NULL,
    active      boolean,
    uom_type    character varying NOT NULL,   -- reference, bigger, smaller
    create_uid  integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date timestamp without time zone,
    write_uid   integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date  timestamp without time zone,
    CONSTRAINT uom_uom_factor_gt_zero CHECK (factor != 0),
    CONSTRAINT uom_uom_rounding_gt_zero CHECK (rounding > 0),
    CONSTRAINT uom_uom_factor_reference_is_one
        CHECK ((uom_type = 'reference' AND factor = 1.0) OR (uom_type != 'reference'))
);


-- ---------------------------------------------------------------------------
-- Products
-- ---------------------------------------------------------------------------

CREATE TABLE product_category (
    id            serial PRIMARY KEY,
    name          character varying NOT NULL,
    complete_name character varying,
    parent_id     integer REFERENCES product_category (id) ON DELETE CASCADE,
    parent_path   character varying,
    create_uid    integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date   timestamp without time zone,
    write_uid     integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date    timestamp without time zone
);

CREATE TABLE product_template (
    id               serial PRIMARY KEY,
    name             jsonb NOT NULL,   -- {"en_US": "..."}
    sequence         integer,
    description_sale jsonb,
    detailed_type    character varying NOT NULL,   -- product, consu, service
    type             character varying NOT NULL,   -- product, consu, service
    categ_id         integer NOT NULL REFERENCES product_category (id) ON DELETE RESTRICT,
    list_price       numeric,
    volume           numeric,
    weight           numeric,
    sale_ok          boolean,
    purchase_ok      boolean,
    uom_id           integer NOT NULL REFERENCES uom_uom (id) ON DELETE RESTRICT,
    uom_po_id        integer NOT NULL REFERENCES uom_uom (id) ON DELETE RESTRICT,
    company_id       integer REFERENCES res_company (id) ON DELETE SET NULL,
    active           boolean,
    default_code     character varying,   -- set only while the template has one variant
    invoice_policy   character varying,   -- order, delivery
    purchase_method  character varying,   -- purchase, receive
    sale_delay       double precision,    -- customer lead time in days
    create_uid       integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date      timestamp without time zone,
    write_uid        integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date       timestamp without time zone
);

-- A variant has no name of its own: it shows its template's name.
CREATE TABLE product_product (
    id                  serial PRIMARY KEY,
    product_tmpl_id     integer NOT NULL REFERENCES product_template (id) ON DELETE CASCADE,
    default_code        character varying,
    barcode             character varying,
    combination_indices character varying,
    volume              numeric,
    weight              numeric,
    active              boolean,
    create_uid          integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date         timestamp without time zone,
    write_uid           integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date          timestamp without time zone,
    CONSTRAINT product_product_barcode_uniq UNIQUE (barcode)
);
CREATE UNIQUE INDEX product_product_combination_unique
    ON product_product (product_tmpl_id, combination_indices) WHERE active IS TRUE;


-- ---------------------------------------------------------------------------
-- Sales
-- ---------------------------------------------------------------------------

CREATE TABLE sale_order (
    id                  serial PRIMARY KEY,
    name                character varying NOT NULL,
    state               character varying,   -- draft, sent, sale, cancel
    company_id          integer NOT NULL REFERENCES res_company (id) ON DELETE RESTRICT,
    partner_id          integer NOT NULL REFERENCES res_partner (id) ON DELETE RESTRICT,
    partner_invoice_id  integer NOT NULL REFERENCES res_partner (id) ON DELETE RESTRICT,
    partner_shipping_id integer NOT NULL REFERENCES res_partner (id) ON DELETE RESTRICT,
    currency_id         integer REFERENCES res_currency (id) ON DELETE RESTRICT,
    user_id             integer REFERENCES res_users (id) ON DELETE SET NULL,
    client_order_ref    character varying,
    origin              character varying,
    date_order          timestamp without time zone NOT NULL,   -- UTC
    commitment_date     timestamp without time zone,            -- UTC, NULL: none promised
    validity_date       date,
    note                text,
    invoice_status      character varying,
    amount_untaxed      numeric,
    amount_tax          numeric,
    amount_total        numeric,
    currency_rate       numeric,
    locked              boolean,
    require_signature   boolean,
    require_payment     boolean,
    create_uid          integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date         timestamp without time zone,
    write_uid           integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date          timestamp without time zone
);
CREATE INDEX sale_order__company_id_index ON sale_order (company_id);
CREATE INDEX sale_order__partner_id_index ON sale_order (partner_id);

CREATE TABLE sale_order_line (
    id                        serial PRIMARY KEY,
    order_id                  integer NOT NULL REFERENCES sale_order (id) ON DELETE CASCADE,
    sequence                  integer,
    company_id                integer REFERENCES res_company (id) ON DELETE SET NULL,
    currency_id               integer REFERENCES res_currency (id) ON DELETE SET NULL,
    order_partner_id          integer REFERENCES res_partner (id) ON DELETE SET NULL,
    salesman_id               integer REFERENCES res_users (id) ON DELETE SET NULL,
    state                     character varying,
    display_type              character varying,   -- NULL, line_section, line_note
    is_downpayment            boolean,
    is_expense                boolean,
    product_id                integer REFERENCES product_product (id) ON DELETE RESTRICT,
    product_uom               integer REFERENCES uom_uom (id) ON DELETE RESTRICT,
    product_uom_qty           numeric NOT NULL,
    name                      text NOT NULL,
    price_unit                numeric NOT NULL,
    discount                  numeric,
    price_subtotal            numeric,
    price_tax                 double precision,
    price_total               numeric,
    price_reduce_taxexcl      numeric,
    price_reduce_taxinc       numeric,
    customer_lead             double precision NOT NULL,
    qty_delivered_method      character varying,
    qty_delivered             numeric,
    qty_invoiced              numeric,
    qty_to_invoice            numeric,
    invoice_status            character varying,
    untaxed_amount_invoiced   numeric,
    untaxed_amount_to_invoice numeric,
    analytic_distribution     jsonb,
    create_uid                integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date               timestamp without time zone,
    write_uid                 integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date                timestamp without time zone,
    CONSTRAINT sale_order_line_accountable_required_fields
        CHECK (display_type IS NOT NULL OR is_downpayment
               OR (product_id IS NOT NULL AND product_uom IS NOT NULL)),
    CONSTRAINT sale_order_line_non_accountable_null_fields
        CHECK (display_type IS NULL
               OR (product_id IS NULL AND price_unit = 0 AND product_uom_qty = 0
                   AND product_uom IS NULL AND customer_lead = 0))
);
CREATE INDEX sale_order_line__order_id_index ON sale_order_line (order_id);
CREATE INDEX sale_order_line__company_id_index ON sale_order_line (company_id);
CREATE INDEX sale_order_line__product_id_index
    ON sale_order_line (product_id) WHERE product_id IS NOT NULL;


-- ---------------------------------------------------------------------------
-- Bills of materials
-- ---------------------------------------------------------------------------

-- product_qty is the quantity one run of the bill makes; company_id NULL
-- shares the bill with every company.
CREATE TABLE mrp_bom (
    id                           serial PRIMARY KEY,
    code                         character varying,
    active                       boolean,
    type                         character varying NOT NULL,   -- normal, phantom
    product_tmpl_id              integer NOT NULL REFERENCES product_template (id) ON DELETE RESTRICT,
    product_id                   integer REFERENCES product_product (id) ON DELETE SET NULL,
    product_qty                  numeric NOT NULL,
    product_uom_id               integer NOT NULL REFERENCES uom_uom (id) ON DELETE RESTRICT,
    sequence                     integer,
    ready_to_produce             character varying NOT NULL,   -- all_available, asap
    company_id                   integer REFERENCES res_company (id) ON DELETE SET NULL,
    consumption                  character varying NOT NULL,   -- flexible, warning, strict
    allow_operation_dependencies boolean,
    produce_delay                integer,
    days_to_prepare_mo           integer,
    create_uid                   integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date                  timestamp without time zone,
    write_uid                    integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date                   timestamp without time zone,
    CONSTRAINT mrp_bom_qty_positive CHECK (product_qty > 0)
);
CREATE INDEX mrp_bom__product_tmpl_id_index ON mrp_bom (product_tmpl_id);
CREATE INDEX mrp_bom__company_id_index ON mrp_bom (company_id);

-- product_tmpl_id is the component's template (stored copy of
-- product_id.product_tmpl_id), company_id the bill's company.
CREATE TABLE mrp_bom_line (
    id                 serial PRIMARY KEY,
    bom_id             integer NOT NULL REFERENCES mrp_bom (id) ON DELETE CASCADE,
    product_id         integer NOT NULL REFERENCES product_product (id) ON DELETE RESTRICT,
    product_tmpl_id    integer REFERENCES product_template (id) ON DELETE SET NULL,
    company_id         integer REFERENCES res_company (id) ON DELETE SET NULL,
    product_qty        numeric NOT NULL,
    product_uom_id     integer NOT NULL REFERENCES uom_uom (id) ON DELETE RESTRICT,
    sequence           integer,
    manual_consumption boolean,
    create_uid         integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date        timestamp without time zone,
    write_uid          integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date         timestamp without time zone,
    CONSTRAINT mrp_bom_line_bom_qty_zero CHECK (product_qty >= 0)
);
CREATE INDEX mrp_bom_line__bom_id_index ON mrp_bom_line (bom_id);
CREATE INDEX mrp_bom_line__product_id_index ON mrp_bom_line (product_id);
CREATE INDEX mrp_bom_line__product_tmpl_id_index ON mrp_bom_line (product_tmpl_id);


-- ---------------------------------------------------------------------------
-- Stock
-- ---------------------------------------------------------------------------

CREATE TABLE stock_location (
    id                 serial PRIMARY KEY,
    name               character varying NOT NULL,
    complete_name      character varying,
    active             boolean,
    usage              character varying NOT NULL,
        -- internal, supplier, customer, production, inventory, view, transit
    location_id        integer REFERENCES stock_location (id) ON DELETE CASCADE,
    parent_path        character varying,
    company_id         integer REFERENCES res_company (id) ON DELETE SET NULL,
    scrap_location     boolean,
    return_location    boolean,
    replenish_location boolean,
    barcode            character varying,
    create_uid         integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date        timestamp without time zone,
    write_uid          integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date         timestamp without time zone,
    CONSTRAINT stock_location_barcode_company_uniq UNIQUE (barcode, company_id)
);

-- One row per product and location it has passed through, signed: what left
-- a location is negative there. Per product the rows add up to 0.
CREATE TABLE stock_quant (
    id                      serial PRIMARY KEY,
    product_id              integer NOT NULL REFERENCES product_product (id) ON DELETE RESTRICT,
    company_id              integer REFERENCES res_company (id) ON DELETE SET NULL,
    location_id             integer NOT NULL REFERENCES stock_location (id) ON DELETE RESTRICT,
    owner_id                integer REFERENCES res_partner (id) ON DELETE SET NULL,
    quantity                numeric,
    reserved_quantity       numeric NOT NULL,
    in_date                 timestamp without time zone NOT NULL,
    inventory_quantity      numeric,
    inventory_diff_quantity numeric,
    inventory_date          date,
    inventory_quantity_set  boolean,
    last_count_date         date,
    user_id                 integer REFERENCES res_users (id) ON DELETE SET NULL,
    accounting_date         date,
    create_uid              integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date             timestamp without time zone,
    write_uid               integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date              timestamp without time zone
);
CREATE INDEX stock_quant__product_id_index ON stock_quant (product_id);
CREATE INDEX stock_quant__location_id_index ON stock_quant (location_id);


-- ---------------------------------------------------------------------------
-- Purchases
-- ---------------------------------------------------------------------------

CREATE TABLE purchase_order (
    id                       serial PRIMARY KEY,
    name                     character varying NOT NULL,
    priority                 character varying,
    origin                   character varying,
    partner_ref              character varying,
    date_order               timestamp without time zone NOT NULL,
    date_approve             timestamp without time zone,
    partner_id               integer NOT NULL REFERENCES res_partner (id) ON DELETE RESTRICT,
    dest_address_id          integer REFERENCES res_partner (id) ON DELETE SET NULL,
    currency_id              integer NOT NULL REFERENCES res_currency (id) ON DELETE RESTRICT,
    state                    character varying,
        -- draft, sent, to approve, purchase, done, cancel
    notes                    text,
    invoice_count            integer,
    invoice_status           character varying,
    date_planned             timestamp without time zone,
    date_calendar_start      timestamp without time zone,
    amount_untaxed           numeric,
    amount_tax               numeric,
    amount_total             numeric,
    user_id                  integer REFERENCES res_users (id) ON DELETE SET NULL,
    company_id               integer NOT NULL REFERENCES res_company (id) ON DELETE RESTRICT,
    mail_reminder_confirmed  boolean,
    mail_reception_confirmed boolean,
    create_uid               integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date              timestamp without time zone,
    write_uid                integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date               timestamp without time zone
);

-- Quantities are in the line's unit (product_uom); product_uom_qty is the
-- same quantity in the product's own unit.
CREATE TABLE purchase_order_line (
    id                    serial PRIMARY KEY,
    order_id              integer NOT NULL REFERENCES purchase_order (id) ON DELETE CASCADE,
    sequence              integer,
    name                  text NOT NULL,
    product_qty           numeric NOT NULL,
    product_uom_qty       double precision,
    date_planned          timestamp without time zone,
    product_uom           integer REFERENCES uom_uom (id) ON DELETE SET NULL,
    product_id            integer REFERENCES product_product (id) ON DELETE SET NULL,
    price_unit            numeric NOT NULL,
    discount              numeric,
    price_subtotal        numeric,
    price_total           numeric,
    price_tax             double precision,
    company_id            integer REFERENCES res_company (id) ON DELETE SET NULL,
    state                 character varying,
    qty_invoiced          numeric,
    qty_received_method   character varying,   -- manual, stock_moves
    qty_received          numeric,
    qty_received_manual   numeric,
    qty_to_invoice        numeric,
    partner_id            integer REFERENCES res_partner (id) ON DELETE SET NULL,
    currency_id           integer REFERENCES res_currency (id) ON DELETE SET NULL,
    display_type          character varying,   -- NULL, line_section, line_note
    propagate_cancel      boolean,
    analytic_distribution jsonb,
    create_uid            integer REFERENCES res_users (id) ON DELETE SET NULL,
    create_date           timestamp without time zone,
    write_uid             integer REFERENCES res_users (id) ON DELETE SET NULL,
    write_date            timestamp without time zone,
    CONSTRAINT purchase_order_line_accountable_required_fields
        CHECK (display_type IS NOT NULL
               OR (product_id IS NOT NULL AND product_uom IS NOT NULL AND date_planned IS NOT NULL)),
    CONSTRAINT purchase_order_line_non_accountable_null_fields
        CHECK (display_type IS NULL
               OR (product_id IS NULL AND price_unit = 0 AND product_uom_qty = 0
                   AND product_uom IS NULL AND date_planned IS NULL))
);
CREATE INDEX purchase_order_line__order_id_index ON purchase_order_line (order_id);
CREATE INDEX purchase_order_line__product_id_index
    ON purchase_order_line (product_id) WHERE product_id IS NOT NULL;
